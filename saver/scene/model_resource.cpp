// ImportModel: finds the model resource of the saver and hands its bytes to ReadModel.
// Problems are traced, never shown: a message box would take activation from the
// full-screen window, and the saver would close itself at once.
#include "model_resource.h"

#include "model_reader.h"

#include <string>

namespace {

void Trace(const char* text) { OutputDebugStringA(text); }

}  // namespace

bool ImportModel(Model& model, int resourceId, HINSTANCE instance) {
    HRSRC info = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), "MODEL");
    HGLOBAL loaded = info ? LoadResource(instance, info) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        Trace("Unable to open the 3DS resource\n");
        return false;
    }
    const ModelReadReport report =
        ReadModel(model, static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, info));
    if (report.status == ModelReadStatus::NotModel) {
        Trace("Unable to load PRIMARY chunk\n");
        return false;
    }
    if (report.fileVersion > MODEL_MAX_FILE_VERSION) {
        Trace("This 3DS file is over version 3 so it may load incorrectly\n");
    }
    if (report.status == ModelReadStatus::Damaged) {
        OutputDebugStringA(("Damaged 3DS resource, " + DescribeReadProblem(report) + "\n").c_str());
        return false;
    }
    return true;
}
