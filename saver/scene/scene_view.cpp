// The scene's portable arithmetic; see scene_view.h.
#include "scene_view.h"

#include <cmath>

Projection ProjectionFor(int width, int height) {
    if (height == 0) height = 1;
    return Projection{width, height, 45.0, static_cast<double>(width) / static_cast<double>(height),
                      0.5, 150.0};
}

float CameraDistance(int logoSize) {
    switch (logoSize) {
    case 0: return 24.0f;
    case 1: return 16.0f;
    default: return 8.0f;
    }
}

ScreenPoint CentreOf(int right, int bottom) {
    return ScreenPoint{static_cast<float>(right / 2), static_cast<float>(bottom / 2)};
}

float SteerAxisRate(float offset) {
    if (std::fabs(offset) < STEER_DEAD_ZONE) return 0.0f;
    const float edge = offset > 0.0f ? STEER_DEAD_ZONE : -STEER_DEAD_ZONE;
    return (offset - edge) / STEER_DIVISOR;
}

Vec3 SteerRateFor(Vec3 rate, ScreenPoint centre, int x, int y) {
    const float dx = static_cast<float>(x) - centre.x;
    const float dy = static_cast<float>(y) - centre.y;
    rate.y = SteerAxisRate(dx);
    rate.x = SteerAxisRate(dy);
    return rate;
}

float ReduceAngle(float degrees) {
    if (!std::isfinite(degrees)) return 0.0f;
    float reduced = std::fmod(degrees, 360.0f);
    if (reduced < 0.0f) reduced += 360.0f;
    // A tiny negative angle rounds up to exactly 360 when shifted.
    return reduced >= 360.0f ? 0.0f : reduced;
}

float RatePeriodsIn(double elapsedSeconds) {
    if (!(elapsedSeconds > 0.0)) return 0.0f;
    const double span = elapsedSeconds < MAX_FRAME_SPAN_SECONDS ? elapsedSeconds : MAX_FRAME_SPAN_SECONDS;
    return static_cast<float>(span / RATE_PERIOD_SECONDS);
}

Vec3 AdvanceSpin(Vec3 angles, const SceneOptions& options, Vec3 steerRate, float periods) {
    if (options.interactive) {
        angles.x += steerRate.x * periods;
        angles.y += steerRate.y * periods;
    } else {
        angles.x += static_cast<float>(options.speedX) / SPIN_SPEED_DIVISOR * periods;
        angles.y += static_cast<float>(options.speedY) / SPIN_SPEED_DIVISOR * periods;
        angles.z += static_cast<float>(options.speedZ) / SPIN_SPEED_DIVISOR * periods;
    }
    angles.x = ReduceAngle(angles.x);
    angles.y = ReduceAngle(angles.y);
    angles.z = ReduceAngle(angles.z);
    return angles;
}

int ValidTextureSlot(int slot, int materialCount, int defaultSlot) {
    if (slot >= 0 && slot < materialCount) return slot;
    if (defaultSlot >= 0 && defaultSlot < materialCount) return defaultSlot;
    return 0;
}

int NextTextureSlot(int slot, int materialCount) {
    if (materialCount <= 0) return 0;
    return (ValidTextureSlot(slot, materialCount, 0) + 1) % materialCount;
}

int DibStride(int width, int bytesPerPixel) {
    const long long bytes = static_cast<long long>(width) * bytesPerPixel;
    return static_cast<int>((bytes + 3) / 4 * 4);
}
