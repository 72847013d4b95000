// Setup's journal: what a killed Setup wrote reads back as it was, and a line the kill
// cut short, or one that is damaged, ends the journal there.
#include "install_journal.h"

#include <gtest/gtest.h>

using product::Before;
using product::Change;
using product::ChangeKind;

TEST(InstallJournal, ReadsBackWhatWasWrittenUpToALineCutShort) {
    Change value{ChangeKind::SetText, "HKCU\\Software\\X Y", "new text", "Name with spaces"};
    Before replaced;
    replaced.existed = true;
    replaced.type = 3;
    replaced.data = std::string("bin\0ary \r\n data", 16);
    Change folder{ChangeKind::MakeFolder, "C:\\\x95\\ \x7c", "", ""};
    Change entry{ChangeKind::SelectSaver, "C:\\W\\Whirlmark.scr", "", ""};
    Before section;
    section.number = 1;

    const std::string text = product::JournalLine(folder, {}) + product::JournalLine(value, replaced) +
                             product::JournalLine(entry, section);
    for (std::size_t cut : {text.size(), text.size() - 1, text.size() - 20}) {
        const auto entries = product::ReadJournal(text.substr(0, cut));
        ASSERT_EQ(entries.size(), cut == text.size() ? 3u : 2u) << cut;
        EXPECT_EQ(entries[0].change.kind, ChangeKind::MakeFolder);
        EXPECT_EQ(entries[0].change.target, folder.target);
        EXPECT_FALSE(entries[0].before.existed);
        EXPECT_EQ(entries[1].change.kind, ChangeKind::SetText);
        EXPECT_EQ(entries[1].change.target, value.target);
        EXPECT_EQ(entries[1].change.name, value.name);
        EXPECT_TRUE(entries[1].before.existed);
        EXPECT_EQ(entries[1].before.type, 3u);
        EXPECT_EQ(entries[1].before.data, replaced.data);
        if (entries.size() == 3) EXPECT_EQ(entries[2].before.number, 1u);
    }
}

TEST(InstallJournal, ADamagedLineEndsTheJournal) {
    const std::string good = product::JournalLine({ChangeKind::MakeKey, "HKCU\\Software\\B", "", ""}, {});
    for (const char* bad : {"9 0 0 0 41  \r\n", "1 2 0 0 41  \r\n", "1 0 0 0 4g  \r\n", "1 0 0 0 41 \r\n",
                            "1 0 0 x 41  \r\n", "\r\n"})
        EXPECT_EQ(product::ReadJournal(good + bad + good).size(), 1u) << bad;
}
