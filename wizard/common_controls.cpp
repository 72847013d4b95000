// Loading comctl32 for the wizards: see common_controls.h.
#include "common_controls.h"

#include "dll_search.h"

namespace {

CommonControls Load() {
    CommonControls c;
    c.module = HasActivationContexts() ? Module::ByName("comctl32.dll")
                                       : Module::FromSystemDirectory("comctl32.dll");
    c.PropertySheetA = c.module.Find<decltype(c.PropertySheetA)>("PropertySheetA");
    c.CreateMappedBitmap = c.module.Find<decltype(c.CreateMappedBitmap)>("CreateMappedBitmap");
    // InitCommonControlsEx arrived with comctl32 4.70; the classic call is in every version.
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Init = void(WINAPI*)();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitEx initEx = c.module.Find<InitEx>("InitCommonControlsEx");
    if (!initEx || !initEx(&icc)) {
        if (Init init = c.module.Find<Init>("InitCommonControls")) init();
    }
    return c;
}

}  // namespace

const CommonControls* GetCommonControls() {
    static const CommonControls loaded = Load();
    return loaded.PropertySheetA && loaded.CreateMappedBitmap ? &loaded : nullptr;
}
