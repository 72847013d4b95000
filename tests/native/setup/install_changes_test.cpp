// Setup's change list: the install folder and its files first, then the record and the
// entry, and only then the shared state; the saver to put back survives reinstalls.
#include "install_changes.h"
#include "uninstall_entry.h"

#include <gtest/gtest.h>

#include <set>

using product::ChangeKind;

namespace {

setup::InstallPlan Plan(bool defaultSaver = true) {
    setup::InstallChoices c;
    c.sourceDir = "E:\\";
    c.systemDir = "C:\\WINDOWS\\SYSTEM\\";
    c.installDir = "C:\\Program Files\\Whirlmark\\";
    c.programFolder = "C:\\Start Menu\\Programs\\Whirlmark\\";
    c.defaultSaver = defaultSaver;
    return setup::MakeInstallPlan(c, nullptr);
}

setup::MachineFacts Facts(const std::set<std::string>* present = nullptr) {
    static const std::set<std::string> none;
    const std::set<std::string>& p = present ? *present : none;
    setup::MachineFacts f;
    f.folderExists = [&p](const std::string& path) { return p.count(path) > 0; };
    f.keyExists = [](const std::string& key) { return key == "HKCU\\Software" || key == "HKLM\\Software"; };
    f.saverEntry = "C:\\WINDOWS\\SYSTEM\\OTHER.SCR";
    f.saverActive = false;
    return f;
}

bool InInstallFolder(const product::Change& c) {
    return c.target.rfind("C:\\Program Files", 0) == 0 && c.kind != ChangeKind::SetText;
}

}  // namespace

TEST(InstallChanges, NothingOutsideTheInstallFolderBeforeTheEntryAndItsUninstaller) {
    const std::set<std::string> present{"C:\\Start Menu", "C:\\Start Menu\\Programs"};
    setup::InstallChanges list = setup::MakeInstallChanges(Plan(), Facts(&present));
    const auto& c = list.changes;
    std::size_t firstOutside = 0;
    while (firstOutside < c.size() && InInstallFolder(c[firstOutside])) ++firstOutside;
    ASSERT_LT(firstOutside, c.size());
    std::set<std::string> made;
    for (std::size_t i = 0; i < firstOutside; ++i) made.insert(c[i].target);
    EXPECT_TRUE(made.count("C:\\Program Files\\Whirlmark\\Uninstall.exe"));
    EXPECT_TRUE(made.count("C:\\Program Files\\Whirlmark\\Uninstall.rec"));
    // The entry comes next, all of it, before the saver and the rest of the shared state.
    std::size_t i = firstOutside;
    for (; i < c.size() && c[i].target.rfind("HKLM\\", 0) == 0; ++i)
        if (c[i].kind != ChangeKind::MakeKey) EXPECT_EQ(c[i].target, "HKLM\\" + std::string(product::kUninstallKey));
    EXPECT_EQ(i - firstOutside, 5u + 11u);  // the missing levels of the key and its eleven values
    ASSERT_LT(i, c.size());
    EXPECT_EQ(c[i].kind, ChangeKind::CopyFrom);
    EXPECT_EQ(c[i].target, "C:\\WINDOWS\\SYSTEM\\Whirlmark.scr");
    EXPECT_EQ(c.back().kind, ChangeKind::SetSaverSwitch);
    EXPECT_EQ(c[c.size() - 2].kind, ChangeKind::SelectSaver);

    // The record lists the levels it made and the saver it replaces.
    EXPECT_EQ(list.record.createdFolders,
              (std::vector<std::string>{"C:\\Program Files", "C:\\Program Files\\Whirlmark",
                                        "C:\\Start Menu\\Programs\\Whirlmark"}));
    EXPECT_TRUE(list.record.replacedSaver);
    EXPECT_EQ(list.record.previousSaver, "C:\\WINDOWS\\SYSTEM\\OTHER.SCR");
    EXPECT_FALSE(list.record.previousSaverActive);
    for (const product::Change& change : c)
        if (change.kind == ChangeKind::WriteFile) EXPECT_EQ(change.data, product::WriteRecord(list.record));
}

TEST(InstallChanges, TheSaverBeforeTheFirstInstallIsKeptThroughReinstalls) {
    product::InstallRecord first;
    first.replacedSaver = true;
    first.previousSaver = "";  // none was chosen
    first.previousSaverActive = false;
    setup::MachineFacts f = Facts();
    f.previous = &first;
    f.entryIsOurs = true;
    f.saverActive = true;
    for (bool defaultSaver : {true, false}) {
        setup::InstallChanges again = setup::MakeInstallChanges(Plan(defaultSaver), f);
        EXPECT_TRUE(again.record.replacedSaver);
        EXPECT_EQ(again.record.previousSaver, "");
        EXPECT_FALSE(again.record.previousSaverActive);
    }
    // Without the option and without an earlier record, nothing is replaced.
    setup::InstallChanges plain = setup::MakeInstallChanges(Plan(false), Facts());
    EXPECT_FALSE(plain.record.replacedSaver);
    for (const product::Change& change : plain.changes) EXPECT_NE(change.kind, ChangeKind::SelectSaver);
}

TEST(InstallChanges, KeyLevelsAreMadeShortestFirst) {
    EXPECT_EQ(setup::KeyLevels("HKCU", "Software\\A\\B"),
              (std::vector<std::string>{"HKCU\\Software", "HKCU\\Software\\A", "HKCU\\Software\\A\\B"}));
}
