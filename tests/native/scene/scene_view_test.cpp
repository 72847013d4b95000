// The scene's portable arithmetic: projection, camera, steering, spin and texture slots.
#include "scene_view.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SceneView, ProjectionUsesTheClientAspectAndNeverDividesByZero) {
    const Projection wide = ProjectionFor(301, 200);
    EXPECT_DOUBLE_EQ(wide.aspect, 1.505);
    EXPECT_EQ(wide.width, 301);
    EXPECT_EQ(wide.height, 200);
    EXPECT_DOUBLE_EQ(wide.fieldOfView, 45.0);
    EXPECT_DOUBLE_EQ(wide.nearPlane, 0.5);
    EXPECT_DOUBLE_EQ(wide.farPlane, 150.0);

    const Projection flat = ProjectionFor(640, 0);
    EXPECT_EQ(flat.height, 1);
    EXPECT_DOUBLE_EQ(flat.aspect, 640.0);
}

TEST(SceneView, CameraDistancePerLogoSizeWithUnknownSizesLarge) {
    EXPECT_EQ(CameraDistance(0), 24.0f);
    EXPECT_EQ(CameraDistance(1), 16.0f);
    EXPECT_EQ(CameraDistance(2), 8.0f);
    EXPECT_EQ(CameraDistance(3), 8.0f);
    EXPECT_EQ(CameraDistance(-1), 8.0f);
}

TEST(SceneView, CentreIsHalvedAsIntegers) {
    const ScreenPoint centre = CentreOf(301, 200);
    EXPECT_EQ(centre.x, 150.0f);
    EXPECT_EQ(centre.y, 100.0f);
}

TEST(SceneView, SteeringDeadZoneIsSymmetric) {
    // Inside the zone, at its edge on both sides, and the first pixels beyond it.
    EXPECT_EQ(SteerAxisRate(0.0f), 0.0f);
    EXPECT_EQ(SteerAxisRate(49.0f), 0.0f);
    EXPECT_EQ(SteerAxisRate(-49.0f), 0.0f);
    EXPECT_EQ(SteerAxisRate(50.0f), 0.0f);
    EXPECT_EQ(SteerAxisRate(-50.0f), 0.0f);
    EXPECT_FLOAT_EQ(SteerAxisRate(51.0f), 1.0f / 70.0f);
    EXPECT_FLOAT_EQ(SteerAxisRate(-51.0f), -1.0f / 70.0f);
    // Same distance, same speed, opposite direction.
    EXPECT_FLOAT_EQ(SteerAxisRate(120.0f), 1.0f);
    EXPECT_FLOAT_EQ(SteerAxisRate(-120.0f), -1.0f);
    EXPECT_FLOAT_EQ(SteerAxisRate(190.0f), 2.0f);
}

TEST(SceneView, PointerSteersYFromHorizontalAndXFromVerticalOffsets) {
    const ScreenPoint centre = CentreOf(1280, 1024);  // (640, 512)
    const Vec3 start{0.1f, 0.1f, 0.1f};

    Vec3 right = SteerRateFor(start, centre, 640 + 120, 512 + 190);
    EXPECT_FLOAT_EQ(right.y, 1.0f);
    EXPECT_FLOAT_EQ(right.x, 2.0f);
    EXPECT_EQ(right.z, 0.1f);

    Vec3 upLeft = SteerRateFor(start, centre, 640 - 120, 512 - 120);
    EXPECT_FLOAT_EQ(upLeft.y, -1.0f);
    EXPECT_FLOAT_EQ(upLeft.x, -1.0f);

    Vec3 still = SteerRateFor(start, centre, 640 + 49, 512 - 49);
    EXPECT_EQ(still.x, 0.0f);
    EXPECT_EQ(still.y, 0.0f);
    EXPECT_EQ(still.z, 0.1f);
}

TEST(SceneView, SpinStepsBySpeedOverFortyPerAxis) {
    SceneOptions options;
    options.speedX = 10;
    options.speedY = 100;
    options.speedZ = 0;
    const Vec3 after = AdvanceSpin(Vec3{}, options, Vec3{5.0f, 5.0f, 5.0f});
    EXPECT_FLOAT_EQ(after.x, 0.25f);
    EXPECT_FLOAT_EQ(after.y, 2.5f);
    EXPECT_EQ(after.z, 0.0f);

    options.speedX = options.speedY = options.speedZ = 0;
    const Vec3 held{12.0f, 34.0f, 56.0f};
    const Vec3 still = AdvanceSpin(held, options, Vec3{1.0f, 1.0f, 1.0f});
    EXPECT_EQ(still.x, 12.0f);
    EXPECT_EQ(still.y, 34.0f);
    EXPECT_EQ(still.z, 56.0f);
}

TEST(SceneView, InteractiveSpinFollowsSteeringAndNeverTurnsZ) {
    SceneOptions options;
    options.interactive = true;
    Vec3 angles{};
    for (int frame = 0; frame < 10; ++frame)
        angles = AdvanceSpin(angles, options, Vec3{0.1f, 0.1f, 0.1f});
    EXPECT_NEAR(angles.x, 1.0f, 1e-5f);
    EXPECT_NEAR(angles.y, 1.0f, 1e-5f);
    EXPECT_EQ(angles.z, 0.0f);

    // Steering left turns backwards; the angle wraps to just under 360.
    angles = AdvanceSpin(Vec3{}, options, Vec3{-1.0f, -2.5f, 0.0f});
    EXPECT_FLOAT_EQ(angles.x, 359.0f);
    EXPECT_FLOAT_EQ(angles.y, 357.5f);
}

TEST(SceneView, AnglesStayReducedAndPreciseOverLongRuns) {
    SceneOptions options;
    options.speedX = 100;
    options.speedY = 7;
    options.speedZ = 13;
    Vec3 angles{};
    // Ten million frames: days at the frame rates the saver runs at.
    for (int frame = 0; frame < 10000000; ++frame) {
        angles = AdvanceSpin(angles, options, Vec3{});
        ASSERT_GE(angles.x, 0.0f);
        ASSERT_LT(angles.x, 360.0f);
    }
    // Steps of 2.5 degrees stay exact when the angle is reduced after each one.
    EXPECT_FLOAT_EQ(angles.x, std::fmod(10000000.0 * 2.5, 360.0));
    // A step still moves the angle by its full size (no precision lost to a huge sum).
    const Vec3 next = AdvanceSpin(angles, options, Vec3{});
    const float stepZ = std::fmod(next.z - angles.z + 360.0f, 360.0f);
    EXPECT_NEAR(stepZ, 13.0f / 40.0f, 1e-4f);

    EXPECT_EQ(ReduceAngle(360.0f), 0.0f);
    EXPECT_EQ(ReduceAngle(720.5f), 0.5f);
    EXPECT_EQ(ReduceAngle(-1e-9f), 0.0f);
    EXPECT_EQ(ReduceAngle(NAN), 0.0f);
}

TEST(SceneView, OutOfRangeTextureSlotsFallBackToTheirDefaults) {
    EXPECT_EQ(ValidTextureSlot(3, 6, 0), 3);
    EXPECT_EQ(ValidTextureSlot(5, 6, 1), 5);
    EXPECT_EQ(ValidTextureSlot(6, 6, 0), 0);
    EXPECT_EQ(ValidTextureSlot(-1, 6, 1), 1);
    EXPECT_EQ(ValidTextureSlot(-2147483647 - 1, 6, 1), 1);
    // A model without materials of its own still has the four texture-only ones.
    EXPECT_EQ(ValidTextureSlot(4, 4, 1), 1);
    EXPECT_EQ(ValidTextureSlot(4, 0, 1), 0);
}

TEST(SceneView, CyclingWrapsOverTheMaterials) {
    int slot = 1;
    for (int press = 0; press < 6; ++press) slot = NextTextureSlot(slot, 6);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(NextTextureSlot(5, 6), 0);
    EXPECT_EQ(NextTextureSlot(3, 4), 0);
    EXPECT_EQ(NextTextureSlot(0, 0), 0);
}

TEST(SceneView, DibRowsArePaddedToFourBytes) {
    EXPECT_EQ(DibStride(640, 3), 1920);
    EXPECT_EQ(DibStride(756, 3), 2268);
    EXPECT_EQ(DibStride(5, 3), 16);
    EXPECT_EQ(DibStride(5, 4), 20);
    EXPECT_EQ(DibStride(1, 3), 4);
}

TEST(SceneView, SpinFollowsTimeNotFrameRate) {
    SceneOptions options;
    options.speedX = 10;
    options.speedY = 37;
    options.speedZ = 100;
    SceneOptions steered = options;
    steered.interactive = true;
    const Vec3 steer{0.3f, -1.2f, 0.0f};
    // Two simulated seconds at 30, 60 and 144 frames per second.
    for (const int hz : {30, 60, 144}) {
        Vec3 spun{}, steeredAngles{};
        for (int frame = 0; frame < 2 * hz; ++frame) {
            spun = AdvanceSpin(spun, options, steer, RatePeriodsIn(1.0 / hz));
            steeredAngles = AdvanceSpin(steeredAngles, steered, steer, RatePeriodsIn(1.0 / hz));
        }
        // 120 periods: 30, 111 and 300 (= 300 - 360 + 360) degrees.
        EXPECT_NEAR(spun.x, 30.0f, 1e-3f) << hz << " Hz";
        EXPECT_NEAR(spun.y, 111.0f, 1e-3f) << hz << " Hz";
        EXPECT_NEAR(spun.z, 300.0f, 1e-3f) << hz << " Hz";
        EXPECT_NEAR(steeredAngles.x, 36.0f, 1e-3f) << hz << " Hz";
        EXPECT_NEAR(steeredAngles.y, 216.0f, 1e-3f) << hz << " Hz";
    }
    // A pause of five seconds advances by a quarter of a second; time never runs back.
    EXPECT_FLOAT_EQ(RatePeriodsIn(5.0), 15.0f);
    EXPECT_EQ(RatePeriodsIn(-0.5), 0.0f);
    EXPECT_EQ(RatePeriodsIn(NAN), 0.0f);
}
