// Loading comctl32 for the wizards: see common_controls.h.
#include "common_controls.h"

#include "dll_search.h"

namespace {

template <class Proc>
Proc Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

CommonControls Load() {
    CommonControls c;
    c.module = HasActivationContexts() ? ::LoadLibraryA("comctl32.dll")
                                       : LoadSystemLibrary("comctl32.dll");
    if (!c.module) return c;
    c.PropertySheetA = Lookup<decltype(c.PropertySheetA)>(c.module, "PropertySheetA");
    c.CreateMappedBitmap = Lookup<decltype(c.CreateMappedBitmap)>(c.module, "CreateMappedBitmap");
    // InitCommonControlsEx arrived with comctl32 4.70; the classic call is in every version.
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Init = void(WINAPI*)();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitEx initEx = Lookup<InitEx>(c.module, "InitCommonControlsEx");
    if (!initEx || !initEx(&icc)) {
        if (Init init = Lookup<Init>(c.module, "InitCommonControls")) init();
    }
    return c;
}

}  // namespace

const CommonControls* GetCommonControls() {
    static const CommonControls loaded = Load();
    return loaded.PropertySheetA && loaded.CreateMappedBitmap ? &loaded : nullptr;
}
