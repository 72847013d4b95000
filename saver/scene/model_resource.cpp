// ImportModel: finds the model resource of the saver and hands its bytes to ReadModel.
#include "model_resource.h"

#include "model_reader.h"

#include <string>

namespace {

void ShowAndTrace(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_OK);
    OutputDebugStringA(text);
}

}  // namespace

bool ImportModel(Model& model, int resourceId, HINSTANCE instance) {
    HRSRC info = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), "MODEL");
    HGLOBAL loaded = info ? LoadResource(instance, info) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        ShowAndTrace("Unable to open the 3DS resource\n", "Error");
        return false;
    }
    const ModelReadReport report =
        ReadModel(model, static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, info));
    if (report.status == ModelReadStatus::NotModel) {
        ShowAndTrace("Unable to load PRIMARY chunk", "Error");
        return false;
    }
    if (report.fileVersion > MODEL_MAX_FILE_VERSION) {
        MessageBoxA(nullptr, "This 3DS file is over version 3 so it may load incorrectly", "Warning", MB_OK);
    }
    if (report.status == ModelReadStatus::Damaged) {
        OutputDebugStringA(("Damaged 3DS resource, " + DescribeReadProblem(report) + "\n").c_str());
        return false;
    }
    return true;
}
