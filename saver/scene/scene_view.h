// The scene's arithmetic that needs no window system: projection and camera per logo
// size, the spin step, pointer steering and the texture-slot rules. The OpenGL side
// (renderer.cpp, interaction.cpp) keeps the state and calls these.
#pragma once

#include "model.h"

// Spin and steering rates are in degrees per rate period, 1/60 second: one frame at 60
// frames per second. Each frame advances the angles by the time it measured since the
// previous one, so the logo turns at the same speed at any refresh rate.
constexpr double RATE_PERIOD_SECONDS = 1.0 / 60.0;
// A longer gap between two frames (a modal box, a suspended machine) counts as this long.
constexpr double MAX_FRAME_SPAN_SECONDS = 0.25;

// Steering: no turn within the dead zone around the centre; beyond it one degree per
// rate period for every STEER_DIVISOR pixels.
constexpr float STEER_DEAD_ZONE = 50.0f;
constexpr float STEER_DIVISOR = 70.0f;
// A spin speed s (0..100 from the dialog) turns s / SPIN_SPEED_DIVISOR degrees per period.
constexpr float SPIN_SPEED_DIVISOR = 40.0f;
// Turn per period about X and Y in interactive mode before the pointer first moves.
constexpr float INITIAL_STEER_RATE = 0.1f;

// Default texture slots, also used in place of a slot outside the loaded textures.
constexpr int DEFAULT_BACK_TEXTURE_SLOT = 0;
constexpr int DEFAULT_ICON_TEXTURE_SLOT = 1;

// The settings the renderer reads every frame.
struct SceneOptions {
    bool showBackground = true;
    bool interactive = false;
    int logoSize = 0;
    int speedX = 10;
    int speedY = 10;
    int speedZ = 10;
};

// Viewport and perspective for a client area; a height of 0 is taken as 1.
struct Projection {
    int width;
    int height;
    double fieldOfView;  // degrees, vertical
    double aspect;
    double nearPlane;
    double farPlane;
};
Projection ProjectionFor(int width, int height);

// Camera distance from the logo for the "Logo Size" setting: 0 small (24), 1 medium
// (16), 2 large (8); any other value is taken as large.
float CameraDistance(int logoSize);

// Camera height above the logo's centre; the camera always looks at the origin.
constexpr float CAMERA_HEIGHT = 1.5f;

// Centre of a client area whose right and bottom edges are given, halved as integers.
struct ScreenPoint {
    float x;
    float y;
};
ScreenPoint CentreOf(int right, int bottom);

// Turn rate in degrees per period for a pointer `offset` pixels from the centre along one
// axis: 0 within the dead zone, (offset - 50) / 70 beyond it on the positive side and
// (offset + 50) / 70 on the negative side.
float SteerAxisRate(float offset);

// Steering rates for a pointer at screen position (x, y): the horizontal offset turns the
// logo about Y, the vertical offset about X. `rate.z` is kept.
Vec3 SteerRateFor(Vec3 rate, ScreenPoint centre, int x, int y);

// An angle in degrees brought into [0, 360).
float ReduceAngle(float degrees);

// Rate periods in `elapsedSeconds`, the time between two frames, capped at
// MAX_FRAME_SPAN_SECONDS; 0 for a negative or not-a-number span.
float RatePeriodsIn(double elapsedSeconds);

// The spin angles after `periods` rate periods: the steering rates about X and Y in
// interactive mode, otherwise each speed / 40 about its axis, times `periods`; every
// angle reduced to [0, 360).
Vec3 AdvanceSpin(Vec3 angles, const SceneOptions& options, Vec3 steerRate, float periods = 1.0f);

// `slot` when it names one of `materialCount` textures, otherwise `defaultSlot` (or 0
// when that is out of range too).
int ValidTextureSlot(int slot, int materialCount, int defaultSlot);

// The slot after `slot`, wrapping over `materialCount` textures; 0 when there are none.
int NextTextureSlot(int slot, int materialCount);

// Bytes per row of a device-independent bitmap: rows are padded to 4 bytes.
int DibStride(int width, int bytesPerPixel);
