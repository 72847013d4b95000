// What the pointer, the buttons and the keypad do to the scene.
#include "scene.h"

#include <GL/gl.h>

#include <cstddef>

#include "scene_state.h"

void SteerFromPointer(int x, int y) {
    const int monitor = MonitorAt(g_scene.monitors, x, y);
    if (monitor < 0) return;
    const ScreenPoint centre = CentreOfMonitor(g_scene.monitors[static_cast<std::size_t>(monitor)]);
    g_scene.steerRate = SteerRateFor(g_scene.steerRate, centre, x, y);
}

void ToggleLighting() {
    g_scene.lightingOn = !g_scene.lightingOn;
    if (g_scene.lightingOn)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void CycleBackTexture() {
    backTextureSlot = NextTextureSlot(backTextureSlot, g_scene.model.materialCount);
}

void CycleIconTexture() {
    iconTextureSlot = NextTextureSlot(iconTextureSlot, g_scene.model.materialCount);
}
