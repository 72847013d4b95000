// The texture name table as the dialog and the renderer use it.
#include "texture_names.h"

#include <gtest/gtest.h>

TEST(TextureNames, DisplayNamesDropTheExtensionAndRejectOtherSlots) {
    EXPECT_EQ(TextureDisplayName(0), "sky");
    EXPECT_EQ(TextureDisplayName(1), "GRASS2");
    EXPECT_EQ(TextureDisplayName(5), "fractex5");
    EXPECT_EQ(TextureDisplayName(-1), "");
    EXPECT_EQ(TextureDisplayName(TEXTURE_NAME_COUNT), "");
}
