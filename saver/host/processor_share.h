// What the frame budget needs to know about the machine: a clock of the processor time
// the saver uses, whether the machine runs on battery, whether the session is remote.
#pragma once

// Reads the cost of the saver's frames: the process time of the whole process (all its
// threads, a software renderer's included) where GetProcessTimes works, otherwise the
// wall time spent drawing, which the caller marks with DrawingStarts and DrawingEnds.
class CostClock {
public:
    CostClock();
    // Milliseconds of cost so far.
    double Now() const;
    void DrawingStarts();
    void DrawingEnds();
    // True when the clock is the process time.
    bool ProcessTime() const { return processTime_; }

private:
    bool processTime_ = false;
    double drawing_ = 0.0;
    double drawStart_ = 0.0;
};

// The budget in cores for the machine as it is now: FRAME_BUDGET_CORES, halved on
// battery (GetSystemPowerStatus, looked up at run time; mains power where it is missing).
double BudgetCores();

// True in a remote session (SM_REMOTESESSION), where every frame crosses the network.
bool RemoteSession();
