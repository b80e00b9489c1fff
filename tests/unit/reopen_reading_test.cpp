#include "app/windowfactory.h"
#include "pages/completion/weaponsheet.h"
#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"
#include "reopen/listentries.h"
#include "reopen/sheettemplate.h"
#include "testplatform.h"

#include <gtest/gtest.h>

namespace korvalde {

namespace {

struct PageEntries {
    const char *window;
    const ModificationEntries &entries;
};

std::vector<PageEntries> everyPage()
{
    return {{"Form2", page2::modificationEntries()},
            {"Form3", page3::modificationEntries()},
            {"Form4", page4::modificationEntries()},
            {"Form12", page5::modificationEntries()}};
}

} // namespace

// Whatever a page writes into the list, opening the sheet reads back as something the user
// does on that page: a check of the same box, a number of FKE steps, or a pick in a list.
TEST(ReadingTheList, EveryEntryAPageWritesReadsBackOnItsPage)
{
    for (const auto &[window, entries] : everyPage()) {
        for (const ModificationEntry &entry : entries) {
            const QString label = QStringLiteral("%1.%2").arg(window, entry.control);
            if (entry.shows == ModificationEntry::Shows::WithSteps) {
                for (int steps = 1; steps <= 6; ++steps) {
                    const auto read = reopen::readModificationList("Rahmen" + entry.text.arg(steps));
                    ASSERT_EQ(read.size(), 1u) << qPrintable(label);
                    EXPECT_EQ(read[0].action, reopen::EntryAction::FkeSteps);
                    EXPECT_EQ(read[0].steps, steps);
                    EXPECT_TRUE(entry.control.startsWith(read[0].control)) << qPrintable(label);
                }
                continue;
            }
            const auto read = reopen::readModificationList("Rahmen" + entry.text);
            ASSERT_EQ(read.size(), 1u) << qPrintable(label);
            EXPECT_EQ(read[0].window, window) << qPrintable(label);
            EXPECT_EQ(read[0].control, entry.control) << qPrintable(label);
            // A pick in a list is no check of a box.
            if (entry.shows == ModificationEntry::Shows::WhenApplied) {
                EXPECT_NE(read[0].action, reopen::EntryAction::Check) << qPrintable(label);
            }
        }
    }
    // A longer text wins over the one it starts with; reading stops at a text no page writes.
    const auto variant = reopen::readModificationList(
        "Rahmen, Biometrische Sicherheitsschaltung mit Sprühsystem, Gravur, keine Option, Zweibein");
    ASSERT_EQ(variant.size(), 2u);
    EXPECT_EQ(variant[0].control, "gravur");
    EXPECT_EQ(variant[1].control, "sprühsystem");
    EXPECT_TRUE(reopen::readModificationList("Kein Rahmen, Gravur").empty());
}

// The reader finds each field of a saved sheet where the completion page wrote it, names
// each line by its label, and a changed fixed text no longer fits its line.
TEST(ReadingTheSheet, FieldsComeBackFromTheLinesTheCompletionPageWrites)
{
    test::TestPlatform platform;
    const std::unique_ptr<Application> app = startKorvalde(platform);
    for (const auto &[window, control] : {std::pair{"Form1", "Option9"},
                                          {"Form1", "Command1"},
                                          {"Form2", "tarnstufe1"},
                                          {"Form2", "Weiter1"},
                                          {"Form3", "gravur"},
                                          {"Form3", "Command2"},
                                          {"Form4", "Command2"},
                                          {"Form12", "Command2"}})
        ASSERT_EQ(app->userClick(window, control), "") << window << '.' << control;
    ASSERT_EQ(app->userType("Form5", "waffenname", "Gewehr (Nr. 2) [*]: rot"), "");
    const Window &completion = *app->find("Form5");
    const QStringList lines = weaponSheetLines(completion);
    const reopen::SheetTemplate sheet;

    ASSERT_EQ(sheet.lineCount(), lines.size());
    for (const char *field : {"waffenname", "typus", "trn", "pwr", "gew", "kpd", "fke", "dp", "preis", "Text1"})
        EXPECT_EQ(sheet.field(lines, field), completion[field].text()) << field;
    EXPECT_EQ(sheet.label(0), "Name");
    EXPECT_EQ(sheet.label(sheet.lineOf("preis")), "Endgültiger Preis");
    EXPECT_EQ(sheet.label(7), "Leerzeile");
    EXPECT_EQ(sheet.label(sheet.lineCount()), "überzählig");
    EXPECT_EQ(sheet.lineOf("nichts"), -1);

    QStringList changed = lines;
    changed[sheet.lineOf("preis")].replace("Kordo", "Euro");
    EXPECT_EQ(sheet.field(changed, "preis"), std::nullopt);
    EXPECT_EQ(sheet.field(lines.mid(0, 3), "preis"), std::nullopt) << "a sheet cut short";
}

} // namespace korvalde
