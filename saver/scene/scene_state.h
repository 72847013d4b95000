// The scene's program-wide state shared by the renderer and the interaction handlers.
#pragma once

#include <vector>

#include "model.h"
#include "monitor_layout.h"
#include "scene_view.h"

struct SceneState {
    Model model;                       // the logo model; object 0 backdrop, 1 logo
    std::vector<ScreenRect> monitors;  // screen rectangles, each drawn in its own viewport
    ScreenRect window;                 // the saver window's client area on the screen
    Vec3 spinAngles;                   // degrees about X, Y, Z, each in [0, 360)
    Vec3 steerRate{INITIAL_STEER_RATE, INITIAL_STEER_RATE, INITIAL_STEER_RATE};
    bool lightingOn = true;            // whether GL_LIGHTING is enabled
    double lastFrameSeconds = -1.0;    // clock reading of the last frame; < 0 before the first
    unsigned long framesDrawn = 0;     // frames presented since InitScene
};

extern SceneState g_scene;
