// Step results: each step reaches the log, failures decide the exit code and the list.
#include "step_log.h"

#include <gtest/gtest.h>

#include "wizard_options.h"

TEST(StepLog, FailuresDecideTheExitCodeAndEveryStepIsLogged) {
    std::vector<std::string> lines;
    product::StepLog log([&](const std::string& line) { lines.push_back(line); });
    EXPECT_TRUE(log.Step(true, "copy a"));
    EXPECT_EQ(log.ExitCode(), product::kExitDone);
    EXPECT_FALSE(log.Step(false, "copy b"));
    log.Note("note: x");
    EXPECT_EQ(log.ExitCode(), product::kExitFailed);
    EXPECT_EQ(lines, (std::vector<std::string>{"ok      copy a", "failed  copy b", "note: x"}));
    EXPECT_EQ(log.Failures(), std::vector<std::string>{"copy b"});
}

TEST(StepLog, FailureListIsCappedWithACount) {
    std::vector<std::string> many{"a", "b", "c"};
    EXPECT_EQ(product::FailureList(many, 2), "a\r\nb\r\nand 1 more\r\n");
    EXPECT_EQ(product::FailureList(many), "a\r\nb\r\nc\r\n");
}
