// The logo scene's drawing: start-up, one frame, shut-down. The backdrop stays fixed in
// the camera's frame; the logo turns by the spin angles in front of it. Each object is
// unrolled once into vertex arrays at start-up.
#include "scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gl_context.h"
#include "steady_clock.h"
#include "model_resource.h"
#include "object_arrays.h"
#include "scene_state.h"
#include "settings.h"
#include "textures.h"

int backTextureSlot = DEFAULT_BACK_TEXTURE_SLOT;
int iconTextureSlot = DEFAULT_ICON_TEXTURE_SLOT;
SceneState g_scene;

namespace {
// The settings the frame depends on, read afresh each frame; defaults without settings.
SceneOptions CurrentOptions() {
    SceneOptions options;
    if (!g_settings) return options;
    options.showBackground = g_settings->showBackground != 0;
    options.interactive = g_settings->interactive != 0;
    options.logoSize = g_settings->logoSize;
    options.speedX = g_settings->speedX;
    options.speedY = g_settings->speedY;
    options.speedZ = g_settings->speedZ;
    return options;
}

// Viewport and projection of one monitor's view, with the aspect of that monitor.
void SetViewport(const Viewport& view) {
    glViewport(view.x, view.y, view.width, view.height);
    const Projection projection = ProjectionFor(view.width, view.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(projection.fieldOfView, projection.aspect, projection.nearPlane,
                   projection.farPlane);
    glMatrixMode(GL_MODELVIEW);
}

// One view of the scene: the backdrop fixed, the logo and the further objects turned.
void DrawView(const SceneOptions& options) {
    glLoadIdentity();
    gluLookAt(0.0, CAMERA_HEIGHT, CameraDistance(options.logoSize), 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    if (options.showBackground) DrawObject(0, backTextureSlot);
    glRotatef(g_scene.spinAngles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(g_scene.spinAngles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(g_scene.spinAngles.z, 0.0f, 0.0f, 1.0f);
    DrawObject(1, iconTextureSlot);
    for (int i = 2; i < g_scene.model.objectCount; ++i) DrawObject(i, backTextureSlot);
}
}  // namespace

void SetSceneMonitors(const std::vector<ScreenRect>& monitors, const ScreenRect& window) {
    g_scene.monitors = monitors;
    g_scene.window = window;
}

void InitScene(HWND window) {
    RECT clientRect{};
    GetClientRect(window, &clientRect);
    if (g_scene.monitors.empty() || g_scene.window.Width() != clientRect.right ||
        g_scene.window.Height() != clientRect.bottom) {
        g_scene.window = ScreenRect{0, 0, clientRect.right, clientRect.bottom};
        g_scene.monitors.assign(1, g_scene.window);
    }
    g_scene.lastFrameSeconds = -1.0;
    g_scene.framesDrawn = 0;
    CreateGlContext(clientRect.right, clientRect.bottom);
    ImportModel(g_scene.model, MODEL_RESOURCE_ID, GetModuleHandleA(nullptr));
    // Without a context (the pixel format failed) the loop is about to end: no textures.
    if (wglGetCurrentContext()) {
        SetUpTextures(g_scene.model);
        PrepareObjectArrays(g_scene.model);
    }
    backTextureSlot = ValidTextureSlot(backTextureSlot, g_scene.model.materialCount,
                                       DEFAULT_BACK_TEXTURE_SLOT);
    iconTextureSlot = ValidTextureSlot(iconTextureSlot, g_scene.model.materialCount,
                                       DEFAULT_ICON_TEXTURE_SLOT);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    g_scene.lightingOn = true;
}

void SetProjection(int width, int height) {
    const Projection projection = ProjectionFor(width, height);
    SetViewport(Viewport{0, 0, projection.width, projection.height});
    glLoadIdentity();
}

void DrawObject(int objectIndex, int slot) {
    const Model& model = g_scene.model;
    if (objectIndex < 0 || objectIndex >= model.objectCount) return;
    const bool textured = model.objects[objectIndex].hasTexture;
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
        glBindTexture(GL_TEXTURE_2D, TextureFor(slot));
    } else {
        glDisable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
    }
    DrawObjectArrays(model, objectIndex);
}

bool RenderFrame() {
    const SceneOptions options = CurrentOptions();
    const double now = SteadyMilliseconds() / 1000.0;
    if (g_scene.lastFrameSeconds >= 0.0)
        g_scene.spinAngles = AdvanceSpin(g_scene.spinAngles, options, g_scene.steerRate,
                                         RatePeriodsIn(now - g_scene.lastFrameSeconds));
    g_scene.lastFrameSeconds = now;
    // With several monitors each clears only its own rectangle: what lies outside them
    // all (beside a smaller monitor) is never seen.
    const bool several = g_scene.monitors.size() > 1;
    if (several) glEnable(GL_SCISSOR_TEST);
    for (const ScreenRect& monitor : g_scene.monitors) {
        if (several) {
            const Viewport view = ViewportFor(monitor, g_scene.window);
            SetViewport(view);
            glScissor(view.x, view.y, view.width, view.height);
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawView(options);
    }
    if (several) glDisable(GL_SCISSOR_TEST);
    ++g_scene.framesDrawn;
    return PresentGlFrame();
}

void ShutdownScene() {
    ReleaseObjectArrays();
    ReleaseTextures(g_scene.model);
    // Meshes and the appended texture materials alike: the next InitScene starts afresh.
    g_scene.model = Model{};
    DestroyGlContext();
}
