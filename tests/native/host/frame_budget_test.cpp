// The frame budget driving the frame pacer against a fake clock, with a cost model of
// software and hardware renderers: a software-like cost settles within the budget, a
// hardware-like one keeps the full rate, pauses and clock jumps change nothing, and a
// cost at the threshold does not make the rate go up and down.
#include "frame_budget.h"

#include "frame_pacer.h"
#include "render_quality.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
const double kFullRate = PacingIntervalMs(60, false);  // 60 Hz display

// Processor milliseconds of one frame on a `width` x `height` window with `samples`
// samples per pixel: a software renderer pays for every sample it computes (about
// 12.5 ns each, as llvmpipe here), a graphics card only for handing the frame over.
double FrameCost(RendererKind kind, int width, int height, int samples) {
    if (kind == RendererKind::Hardware) return 0.3;
    return 12.5e-6 * width * height * (samples > 1 ? samples : 1);
}

struct Outcome {
    std::vector<double> changes;  // when the rate changed, on the loop's own time
    double load = 0.0;            // cores over the last minute
    int divisor = 1;
};

// Frame cost in processor milliseconds of frame `n`, drawn at `elapsedMs` of the run.
using CostModel = std::function<double(long n, double elapsedMs)>;

// Moves the clocks every `periodMs` of the run from `firstMs` on: in turn a pause of 10 s
// that takes 5 s of processor time (a modal box busy meanwhile, no frames drawn), a jump
// of the wall clock back by 5 s and one ahead by an hour.
struct ClockJumps {
    double firstMs, periodMs;
    int turn = 0;
    // Adds to the wall clock and the cost clock at `elapsedMs` of the run.
    void operator()(double elapsedMs, double& wall, double& cost) {
        if (elapsedMs < firstMs + turn * periodMs) return;
        switch (turn++ % 3) {
        case 0: wall += 10000.0, cost += 5000.0; break;
        case 1: wall -= 5000.0; break;
        default: wall += 3600000.0; break;
        }
    }
};
using Jumps = std::function<void(double elapsedMs, double& wall, double& cost)>;

// Runs the saver's loop for `spanMs` of its own time: the pacer waits as the budget
// says, each frame costs what `cost` says in processor time and as long on the clock.
// `jump` may move the clocks the loop and the budget read.
Outcome Simulate(FrameBudget& budget, double spanMs, const CostModel& cost, Jumps jump = nullptr) {
    FramePacer pacer(budget.IntervalMs());
    Outcome out;
    double elapsed = 0.0, offset = 0.0, spent = 0.0, minuteStart = 0.0, minuteSpent = 0.0;
    long frames = 0;
    int divisor = budget.Divisor();
    while (elapsed < spanMs) {
        if (jump) jump(elapsed, offset, spent);
        const double now = elapsed + offset;
        pacer.SetInterval(budget.IntervalMs());
        if (const unsigned wait = pacer.WaitMs(now)) {
            elapsed += wait;
            continue;
        }
        pacer.FrameStarted(now);
        budget.FrameStarted(now, spent);
        if (budget.Divisor() != divisor) {
            divisor = budget.Divisor();
            out.changes.push_back(elapsed);
        }
        const double c = cost(frames++, elapsed);
        spent += c;
        elapsed += c;
        if (elapsed - minuteStart >= 60000.0) {
            out.load = (spent - minuteSpent) / (elapsed - minuteStart);
            minuteStart = elapsed;
            minuteSpent = spent;
        }
    }
    out.divisor = budget.Divisor();
    return out;
}

CostModel Constant(double ms) {
    return [ms](long, double) { return ms; };
}
}  // namespace

TEST(FrameBudget, SoftwareCostSettlesWithinTheBudgetWithMultisamplingOff) {
    const RendererKind kind = ClassifyRenderer("Mesa/X.org", "llvmpipe (LLVM 15.0.6, 256 bits)", {});
    for (const int width : {800, 1024}) {
        SCOPED_TRACE(width);
        const int height = width * 3 / 4;
        const int samples = MultisampleSamples(kind, width, height, 4);
        EXPECT_EQ(samples, 0);
        FrameBudget budget(kFullRate, FRAME_BUDGET_CORES);
        const Outcome out = Simulate(budget, 600000.0, Constant(FrameCost(kind, width, height, samples)));
        EXPECT_LE(out.load, FRAME_BUDGET_CORES);
        EXPECT_GT(out.divisor, 1);
        EXPECT_GE(1000.0 / budget.IntervalMs(), MIN_BUDGET_FPS);
        ASSERT_FALSE(out.changes.empty());
        EXPECT_LT(out.changes.back(), 20000.0) << "still changing after " << out.changes.size() << " changes";
    }
}

TEST(FrameBudget, NeverBelowAboutFifteenFramesASecondHoweverDearTheFrames) {
    for (const double full : {kFullRate, PacingIntervalMs(144, false), PacingIntervalMs(60, true)}) {
        SCOPED_TRACE(full);
        FrameBudget budget(full, FRAME_BUDGET_CORES);
        Simulate(budget, 120000.0, Constant(40.0));
        const double fps = 1000.0 / budget.IntervalMs();
        EXPECT_GE(fps, MIN_BUDGET_FPS * 0.96);
        EXPECT_LT(fps, MIN_BUDGET_FPS * 1.5);
    }
}

TEST(FrameBudget, HardwareCostKeepsTheFullRateForHours) {
    const RendererKind kind = ClassifyRenderer("NVIDIA Corporation", "NVIDIA GeForce RTX 3060/PCIe/SSE2", {});
    const int samples = MultisampleSamples(kind, 1920, 1080, 4);
    EXPECT_EQ(samples, 4);
    FrameBudget budget(kFullRate, FRAME_BUDGET_CORES);
    const Outcome out = Simulate(budget, 4 * 3600000.0, Constant(FrameCost(kind, 1920, 1080, samples)));
    EXPECT_TRUE(out.changes.empty());
    EXPECT_EQ(out.divisor, 1);
}

TEST(FrameBudget, PausesAndClockJumpsChangeNothing) {
    FrameBudget hardware(kFullRate, FRAME_BUDGET_CORES);
    EXPECT_TRUE(Simulate(hardware, 600000.0, Constant(0.3), ClockJumps{2500.0, 7000.0}).changes.empty());

    // A software-like cost ends where it ends without them, in as many steps, although
    // they fall into its first windows.
    FrameBudget quiet(kFullRate, FRAME_BUDGET_CORES), disturbed(kFullRate, FRAME_BUDGET_CORES);
    const Outcome q = Simulate(quiet, 600000.0, Constant(9.8));
    const Outcome d = Simulate(disturbed, 600000.0, Constant(9.8), ClockJumps{2500.0, 7000.0});
    EXPECT_GT(q.divisor, 1);
    EXPECT_EQ(d.divisor, q.divisor);
    EXPECT_EQ(d.changes.size(), q.changes.size());
}

TEST(FrameBudget, ACostAtTheThresholdDoesNotOscillate) {
    // Frames that at the full rate take the budget exactly, give or take 4 percent.
    const double atThreshold = FRAME_BUDGET_CORES * kFullRate;
    auto noisy = [atThreshold](long n, double) {
        return atThreshold * (1.0 + 0.04 * ((n * 7919 % 21) - 10) / 10.0);
    };
    FrameBudget budget(kFullRate, FRAME_BUDGET_CORES);
    EXPECT_LE(Simulate(budget, 1800000.0, noisy).changes.size(), 1u);

    // Just above it: one step down, never back up.
    FrameBudget above(kFullRate, FRAME_BUDGET_CORES);
    const Outcome a = Simulate(above, 1800000.0, Constant(atThreshold * 1.02));
    EXPECT_EQ(a.changes.size(), 1u);
    EXPECT_EQ(a.divisor, 2);
}

TEST(FrameBudget, StepsBackUpOneStepAtATimeAtMostTwiceAMinute) {
    // Frames that get cheap after 30 s: from the lowest rate back to the full one, one
    // step at a time, each at least half a minute after the change before.
    FrameBudget budget(kFullRate, FRAME_BUDGET_CORES);
    const Outcome out = Simulate(budget, 300000.0, [](long, double at) { return at < 30000.0 ? 40.0 : 1.0; });
    EXPECT_EQ(budget.Divisor(), 1);
    ASSERT_EQ(out.changes.size(), 6u) << "three steps down and three up";
    EXPECT_LT(out.changes[2], 30000.0);
    for (int i = 3; i < 6; ++i) EXPECT_GE(out.changes[i] - out.changes[i - 1], STEP_UP_HOLD_MS) << i;
}

TEST(FrameBudget, RemoteSessionStartsLowerAndBatteryHalvesTheBudget) {
    FrameBudget remote(kFullRate, FRAME_BUDGET_CORES);
    remote.StartReduced();
    EXPECT_EQ(remote.Divisor(), 2);

    // A cost that fits at half the rate on mains power needs a third of it on battery.
    const double cost = FRAME_BUDGET_CORES * kFullRate * 1.6;
    FrameBudget mains(kFullRate, FRAME_BUDGET_CORES), battery(kFullRate, FRAME_BUDGET_CORES / 2);
    EXPECT_EQ(Simulate(mains, 120000.0, Constant(cost)).divisor, 2);
    EXPECT_EQ(Simulate(battery, 120000.0, Constant(cost)).divisor, 4);
}
