// The results of an install or removal, step by step: each step's name and whether it
// worked, handed to an optional sink as it happens (the /LOG= file), the failures kept
// for the completion page and the exit code. Portable: no <windows.h>.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace product {

class StepLog {
public:
    // `sink` receives one line per step ("ok      copy ..." / "failed  copy ..."), or
    // nothing when empty.
    explicit StepLog(std::function<void(const std::string&)> sink = {}) : m_sink(std::move(sink)) {}

    // Records one step; returns `ok`, so a step can be logged where it is tested.
    bool Step(bool ok, const std::string& what);
    // A line that is not a step ("refused: ...", "note: ...").
    void Note(const std::string& text);

    const std::vector<std::string>& Failures() const { return m_failures; }
    // kExitDone when no step failed, else kExitFailed.
    int ExitCode() const;

private:
    std::function<void(const std::string&)> m_sink;
    std::vector<std::string> m_failures;
};

// The failures as the completion page lists them: one a line, at most `shown` of them,
// then how many more there were.
std::string FailureList(const std::vector<std::string>& failures, std::size_t shown = 5);

}  // namespace product
