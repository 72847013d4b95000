// Renderer classification from the strings real drivers report, and the samples per
// pixel asked for on small and very large windows.
#include "render_quality.h"

#include <gtest/gtest.h>

TEST(RendererKind, SoftwareRasterizersAreToldFromTheirStringsOrTheGenericFormat) {
    const char* const software[][2] = {
        {"Mesa/X.org", "llvmpipe (LLVM 15.0.6, 256 bits)"},
        {"Mesa", "zink Vulkan 1.3(llvmpipe (LLVM 15.0.6, 256 bits) (MESA_LLVMPIPE))"},
        {"VMware, Inc.", "softpipe"},
        {"Mesa Project", "Software Rasterizer"},
        {"Mesa Project", "Mesa DRI swrast"},
        {"Google Inc.", "Google SwiftShader"},
        {"Microsoft Corporation", "GDI Generic"},
        {"Microsoft Corporation", "D3D12 (Microsoft Basic Render Driver)"},
    };
    for (const auto& names : software)
        EXPECT_EQ(ClassifyRenderer(names[0], names[1], {}), RendererKind::Software) << names[1];
    // Windows' own implementation, whatever it says (or if it says nothing).
    EXPECT_EQ(ClassifyRenderer(nullptr, nullptr, {true, false}), RendererKind::Software);
}

TEST(RendererKind, HardwareKeepsItsClassAlsoWhenItsStringsLookSimilar) {
    const char* const hardware[][2] = {
        {"NVIDIA Corporation", "NVIDIA GeForce RTX 3060/PCIe/SSE2"},
        {"ATI Technologies Inc.", "AMD Radeon RX 6600"},
        {"Intel", "Intel(R) UHD Graphics 620"},
        {"Mesa", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"},
        // The host's graphics card behind a virtual machine's driver, built with LLVM.
        {"VMware, Inc.", "SVGA3D; build: RELEASE; LLVM;"},
        {nullptr, nullptr},
    };
    for (const auto& names : hardware)
        EXPECT_EQ(ClassifyRenderer(names[0], names[1], {}), RendererKind::Hardware)
            << (names[1] ? names[1] : "(no strings)");
    // A generic format that a display driver accelerates.
    EXPECT_EQ(ClassifyRenderer("Vendor", "Card", {true, true}), RendererKind::Hardware);
}

TEST(MultisampleSamples, NoneInSoftwareAndFewerOnlyWhereTheBuffersWouldNotFit) {
    EXPECT_EQ(MultisampleSamples(RendererKind::Software, 800, 600, 4), 0);
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 800, 600, 4), 4);
    // Two full-HD monitors keep 4 samples; a 4K screen gets 2; eight monitors get none.
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 2 * 1920, 1080, 4), 4);
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 3840, 2160, 4), 2);
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 8 * 1920, 1080, 4), 0);
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 800, 600, 1), 0);
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 0, 0, 4), 0);
    // Sides whose product overflows 32 bits.
    EXPECT_EQ(MultisampleSamples(RendererKind::Hardware, 70000, 70000, 4), 0);
}
