// The scene's program-wide state shared by the renderer and the interaction handlers.
#pragma once

#include "model.h"
#include "scene_view.h"

struct SceneState {
    Model model;                       // the logo model; object 0 backdrop, 1 logo
    ScreenPoint screenCentre{0, 0};    // centre of the saver window's client area
    Vec3 spinAngles;                   // degrees about X, Y, Z, each in [0, 360)
    Vec3 steerRate{INITIAL_STEER_RATE, INITIAL_STEER_RATE, INITIAL_STEER_RATE};
    bool lightingOn = true;            // whether GL_LIGHTING is enabled
};

extern SceneState g_scene;
