// The change-list executor on a fake machine: a failure at any change leaves the
// machine exactly as it was, reverts run newest first, and what cannot be put back is
// named.
#include "change_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using product::Before;
using product::Change;
using product::ChangeKind;

namespace {

// Every change sets one named thing; replaced things are kept in Before.
class FakeMachine : public product::Machine {
public:
    std::map<std::string, std::string> state;
    std::size_t failAt = SIZE_MAX;         // Apply of this change (from 0) fails
    std::size_t refuseRevertOf = SIZE_MAX;  // Revert of this change fails
    std::vector<std::string> calls;

    static std::string Key(const Change& c) { return c.name.empty() ? c.target : c.target + "\\" + c.name; }

    bool Inspect(const Change& c, Before& b) override {
        auto it = state.find(Key(c));
        b.existed = it != state.end();
        if (b.existed) b.data = it->second;
        return true;
    }
    bool Apply(const Change& c, Before&) override {
        calls.push_back("apply " + Key(c));
        if (applied++ == failAt) return false;
        state[Key(c)] = c.data;
        return true;
    }
    bool Revert(const Change& c, const Before& b) override {
        calls.push_back("revert " + Key(c));
        if (Index(c) == refuseRevertOf) return false;
        if (b.existed)
            state[Key(c)] = b.data;
        else
            state.erase(Key(c));
        return true;
    }
    bool Commit(const Change& c, const Before&) override {
        calls.push_back("commit " + Key(c));
        return false;
    }

    std::vector<Change> list;

private:
    std::size_t Index(const Change& c) const {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (&list[i] == &c) return i;
        return SIZE_MAX;
    }
    std::size_t applied = 0;
};

std::vector<Change> SomeChanges() {
    return {{ChangeKind::MakeFolder, "C:\\W", "", ""},
            {ChangeKind::CopyFrom, "C:\\W\\Uninstall.exe", "new uninstaller", ""},
            {ChangeKind::SetText, "HKCU\\Software\\B", "C:\\W\\", "DataRoot"},
            {ChangeKind::CopyFrom, "C:\\S\\Whirlmark.scr", "new saver", ""},
            {ChangeKind::SelectSaver, "C:\\S\\Whirlmark.scr", "", ""}};
}

}  // namespace

TEST(ChangeList, FailureAtAnyChangeLeavesTheMachineAsItWas) {
    for (std::size_t failAt = 0; failAt < SomeChanges().size(); ++failAt) {
        FakeMachine m;
        m.list = SomeChanges();
        m.state = {{"C:\\S\\Whirlmark.scr", "old saver"}, {"HKCU\\Software\\B\\DataRoot", "D:\\Old\\"}};
        const auto before = m.state;
        m.failAt = failAt;
        product::StepLog log;
        product::ChangeOutcome outcome = product::CarryOut(m.list, m, log);
        EXPECT_FALSE(outcome.done);
        EXPECT_EQ(outcome.failed, product::Describe(m.list[failAt]));
        EXPECT_TRUE(outcome.notUndone.empty());
        EXPECT_EQ(m.state, before) << "failing at change " << failAt;
        // Newest first, and nothing committed.
        std::vector<std::string> reverts;
        for (const std::string& call : m.calls) {
            EXPECT_NE(call.rfind("commit", 0), 0u) << call;
            if (call.rfind("revert", 0) == 0) reverts.push_back(call);
        }
        ASSERT_EQ(reverts.size(), failAt);
        for (std::size_t i = 0; i < failAt; ++i)
            EXPECT_EQ(reverts[i], "revert " + FakeMachine::Key(m.list[failAt - 1 - i]));
    }
}

TEST(ChangeList, SuccessCommitsEveryChangeAndMovesTheProgress) {
    FakeMachine m;
    m.list = SomeChanges();
    m.list[1].progress = 15;
    m.list[3].progress = 60;
    std::vector<int> marks;
    product::StepLog log;
    product::ChangeOutcome outcome = product::CarryOut(m.list, m, log, [&](int p) { marks.push_back(p); });
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(marks, (std::vector<int>{15, 60}));
    EXPECT_EQ(m.calls.back(), "commit C:\\S\\Whirlmark.scr");
    EXPECT_EQ(m.state["C:\\W\\Uninstall.exe"], "new uninstaller");
}

TEST(ChangeList, WhatCannotBeUndoneIsNamedInTheSummary) {
    FakeMachine m;
    m.list = SomeChanges();
    m.failAt = 4;
    m.refuseRevertOf = 3;
    std::vector<std::string> lines;
    product::StepLog log([&](const std::string& line) { lines.push_back(line); });
    product::ChangeOutcome outcome = product::CarryOut(m.list, m, log);
    ASSERT_EQ(outcome.notUndone, std::vector<std::string>{"copy new saver to C:\\S\\Whirlmark.scr"});
    // The others were still put back.
    EXPECT_EQ(m.state.count("C:\\W"), 0u);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "undone  create folder C:\\W"), lines.end());
    const std::string summary = product::FailureSummary(outcome);
    EXPECT_NE(summary.find("failed at: make Whirlmark the screen saver"), std::string::npos) << summary;
    EXPECT_NE(summary.find("except:\r\n  copy new saver to C:\\S\\Whirlmark.scr"), std::string::npos) << summary;
    EXPECT_NE(product::FailureSummary({false, "x", {}, false}).find("left as it was"), std::string::npos);
}
