// Step results; see step_log.h.
#include "step_log.h"

#include "wizard_options.h"

namespace product {

bool StepLog::Step(bool ok, const std::string& what) {
    if (!ok) m_failures.push_back(what);
    if (m_sink) m_sink((ok ? "ok      " : "failed  ") + what);
    return ok;
}

void StepLog::Note(const std::string& text) {
    if (m_sink) m_sink(text);
}

int StepLog::ExitCode() const { return m_failures.empty() ? kExitDone : kExitFailed; }

std::string FailureList(const std::vector<std::string>& failures, std::size_t shown) {
    std::string text;
    for (std::size_t i = 0; i < failures.size() && i < shown; ++i) text += failures[i] + "\r\n";
    if (failures.size() > shown)
        text += "and " + std::to_string(failures.size() - shown) + " more\r\n";
    return text;
}

}  // namespace product
