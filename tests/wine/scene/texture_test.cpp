// Bitmap resources to OpenGL textures: what DibImage accepts, how 24- and 32-bit pixels
// arrive in the texture, and the materials and slots the texture set-up leaves.
#include "dib_image.h"
#include "picture.h"
#include "textures.h"

#include <windows.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {
// A window with a current OpenGL context for the duration of a test.
class GlWindow {
public:
    GlWindow() {
        window_ = CreateWindowExA(0, "STATIC", "texture test", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                  nullptr, nullptr, nullptr, nullptr);
        dc_ = GetDC(window_);
        PIXELFORMATDESCRIPTOR pfd{};
        pfd.nSize = sizeof pfd;
        pfd.nVersion = 1;
        pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        pfd.iPixelType = PFD_TYPE_RGBA;
        pfd.cColorBits = 24;
        pfd.cDepthBits = 16;
        SetPixelFormat(dc_, ChoosePixelFormat(dc_, &pfd), &pfd);
        context_ = wglCreateContext(dc_);
        wglMakeCurrent(dc_, context_);
    }
    ~GlWindow() {
        wglMakeCurrent(nullptr, nullptr);
        if (context_) wglDeleteContext(context_);
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    bool Ready() const { return context_ && wglGetCurrentContext() == context_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

}  // namespace

TEST(DibImage, LoadsTwentyFourAndThirtyTwoBitBitmapsOnly) {
    DibImage image;
    ASSERT_TRUE(image.LoadFromResource(117));
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.Height(), 4);
    EXPECT_EQ(image.BytesPerPixel(), 3);
    EXPECT_EQ(image.Stride(), 16);
    // Bottom row red, next row green (blue-green-red bytes).
    EXPECT_EQ(image.Row(0)[2], 255);
    EXPECT_EQ(image.Row(1)[1], 255);
    EXPECT_EQ(image.Row(1)[2], 0);

    ASSERT_TRUE(image.LoadFromResource(116));
    EXPECT_EQ(image.BytesPerPixel(), 4);
    EXPECT_EQ(image.Stride(), 16);

    EXPECT_FALSE(image.LoadFromResource(130));  // 8 bits per pixel
    EXPECT_EQ(image.Pixels(), nullptr);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_FALSE(image.LoadFromResource(999));  // no such resource
}

TEST(Textures, ThirtyTwoBitBitmapArrivesAsBlueGreenRedAlpha) {
    GlWindow gl;
    ASSERT_TRUE(gl.Ready());
    CreateTexture(0);
    ASSERT_NE(TextureTable[0], 0u);
    const Texels t = ReadTexture(TextureTable[0]);
    ASSERT_EQ(t.width, 4);
    ASSERT_EQ(t.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const int n = y * 4 + x;
            const unsigned char* p = t.At(x, y);
            EXPECT_EQ(p[0], 200 + n) << "red of texel " << x << "," << y;
            EXPECT_EQ(p[1], 100 + n) << "green of texel " << x << "," << y;
            EXPECT_EQ(p[2], 10 + n) << "blue of texel " << x << "," << y;
        }
    glDeleteTextures(1, &TextureTable[0]);
    TextureTable[0] = 0;
}

TEST(Textures, PaddedRowsOfATwentyFourBitBitmapKeepTheirColoursToTheTop) {
    GlWindow gl;
    ASSERT_TRUE(gl.Ready());
    CreateTexture(1);
    ASSERT_NE(TextureTable[1], 0u);
    const Texels t = ReadTexture(TextureTable[1]);
    // Five columns become four; every row keeps its one colour, the top one included.
    ASSERT_EQ(t.width, 4);
    ASSERT_EQ(t.height, 4);
    const unsigned char expected[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < t.width; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(t.At(x, y)[c], expected[y][c]) << "texel " << x << "," << y << " channel " << c;
    // The mipmaps below average pairs of rows: red with green, blue with white.
    const Texels half = ReadTexture(TextureTable[1], 1);
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 2);
    EXPECT_NEAR(half.At(1, 0)[0], 128, 1);
    EXPECT_NEAR(half.At(1, 0)[1], 128, 1);
    EXPECT_EQ(half.At(1, 0)[2], 0);
    EXPECT_NEAR(half.At(1, 1)[0], 128, 1);
    EXPECT_EQ(half.At(1, 1)[2], 255);
    EXPECT_GT(ReadTexture(TextureTable[1], 2).width, 0);
    glDeleteTextures(1, &TextureTable[1]);
    TextureTable[1] = 0;
}

TEST(Textures, SetUpAddsFourTextureMaterialsAndGivesEachItsSlot) {
    GlWindow gl;
    ASSERT_TRUE(gl.Ready());
    Model model;
    SetName(AppendMaterial(model).textureFile, "SKY.BMP");
    SetName(AppendMaterial(model).name, "plain");  // no texture file
    SetUpTextures(model);

    ASSERT_EQ(model.materialCount, 6);
    ASSERT_EQ(model.materials.size(), 6u);
    const char* files[] = {"fractex1.bmp", "fractex2.bmp", "fractex3.bmp", "fractex5.bmp"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(model.materials[i].textureSlot, i);
        if (i >= 2) {
            EXPECT_STREQ(model.materials[i].textureFile, files[i - 2]);
            EXPECT_STREQ(model.materials[i].name, "");
        }
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextureTable[i], 0u) << "made before use: slot " << i;
    EXPECT_NE(TextureFor(0), 0u);
    EXPECT_EQ(TextureFor(1), 0u);  // the material without a texture file
    for (int i = 2; i < 6; ++i) EXPECT_NE(TextureFor(i), 0u) << "slot " << i;
    EXPECT_EQ(TextureFor(2), TextureTable[2]);  // made once

    const unsigned int kept = TextureTable[2];
    ReleaseTextures(model);
    EXPECT_FALSE(glIsTexture(kept));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TextureTable[i], 0u);
}
