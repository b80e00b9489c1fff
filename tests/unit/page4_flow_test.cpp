#include "page4_fixture.h"
#include "pages/page4/page4.h"

using namespace korvalde;
using korvalde::test::Page4Test;

namespace {

QStringList shownOf(const Window &page, const QStringList &boxes)
{
    QStringList shown;
    for (const QString &box : boxes) {
        if (page[box].isVisible())
            shown << box;
    }
    return shown;
}

const QStringList kFrameBoxes = {"schulter",  "suppressor", "hüft",     "schock",        "abgesägte",
                                 "automodus", "dreibein",   "zweibein", "unterlaufwaffe"};

} // namespace

TEST_F(Page4Test, EachFrameOffersItsOwnAccessories)
{
    const struct {
        int frame;
        QString name;
        QStringList shown;
    } frames[] = {
        {1, "Holdout Pistole", {"schulter"}},
        {3, "Automatische Pistole", {"schulter", "suppressor", "automodus"}},
        {6, "Schrotflinte", {"hüft", "schock", "abgesägte", "zweibein", "unterlaufwaffe"}},
        {7, "Taser", {}},
        {11, "LMG", {"suppressor", "hüft", "schock", "dreibein", "zweibein", "unterlaufwaffe"}},
        {14, "Sturmkanone", {"hüft", "schock", "dreibein", "zweibein", "unterlaufwaffe"}},
    };
    for (const auto &frame : frames) {
        SCOPED_TRACE(frame.name.toStdString());
        app = startKorvalde(platform);
        const Window &page = openPage4(frame.frame);
        EXPECT_EQ(page["Frame6"].text(), frame.name);
        EXPECT_EQ(shownOf(page, kFrameBoxes), frame.shown);
    }
}

TEST_F(Page4Test, SmallFramesLoseTheAccessoriesTheyCannotCarry)
{
    const Window &holdout = openPage4(1);
    for (const QString &box : QStringList{"unterlaufgewicht", "schall", "vordergriff"})
        EXPECT_FALSE(holdout[box].isEnabled()) << box.toStdString();
    EXPECT_TRUE(holdout["unterlaufgewicht"].isVisible());

    app = startKorvalde(platform);
    const Window &taser = openPage4(7);
    for (const QString &box : QStringList{"ladestreifen", "vergrößert", "schall", "unterlaufgewicht", "vordergriff"})
        EXPECT_FALSE(taser[box].isVisible()) << box.toStdString();

    app = startKorvalde(platform);
    const Window &automatic = openPage4(3);
    EXPECT_FALSE(automatic["vordergriff"].isVisible());
    EXPECT_FALSE(automatic["unterlaufgewicht"].isVisible());
    EXPECT_TRUE(automatic["ladestreifen"].isVisible());
}

TEST_F(Page4Test, TheListTakesPage4sEntriesInItsOwnOrder)
{
    openPage4(11);
    for (const QString &box :
         QStringList{"zweibein", "sekundär", "griffdornen", "abzug", "griff", "sicherung", "schock"})
        click(box);
    pick("44");
    EXPECT_EQ(page4Entries(page4()).toStdString(),
              ", Schockpolster, vergrößerter Ladestreifen, angepasster Griff, ausgebaute Sicherung, "
              "ausgebauter Abzug, Biometrische Sicherheitsschaltung, Biometrische Sicherheitsschaltung mit "
              "Griffdornen, Zweibein");
}

TEST_F(Page4Test, TheFlameThrowerEntryIsClosedAndAWithdrawnClipGivesNone)
{
    openPage4(11);
    click("unterlaufwaffe");
    click("flammenwerfer");
    pick("12");
    click("ladestreifen");
    EXPECT_EQ(page4Entries(page4()).toStdString(), ", Unterlaufwaffe (Flammenwerfer)");
}

TEST_F(Page4Test, GoingForwardTwiceNeverRepeatsAnEntry)
{
    openPage4(4);
    click("sicherung");
    click("Command2");
    click("Form12", "Zurück");
    EXPECT_TRUE(page4().isShown());
    click("griff");
    click("Command2");
    const QString list = (*app->find("Form5"))["Text1"].text();
    EXPECT_TRUE(list.startsWith("Rahmen")) << list.toStdString();
    EXPECT_TRUE(list.endsWith(", angepasster Griff, ausgebaute Sicherung")) << list.toStdString();
    EXPECT_EQ(list.count("ausgebaute Sicherung"), 1);
}

TEST_F(Page4Test, BackStepDiscardsEverythingBeyondPage4)
{
    openPage4(11);
    click("zweibein");
    click("Command2");
    click("Form12", "Zurück");
    click("Zurück");
    EXPECT_TRUE(app->find("Form3")->isShown());
    for (const QString &window :
         QStringList{"Form4", "Form12", "Form5", "form6", "Form7", "Form8", "Form9", "Form10", "Form11"})
        EXPECT_EQ(app->find(window), nullptr) << window.toStdString();
    // A fresh page 4 starts with nothing chosen.
    click("Form3", "Command2");
    EXPECT_TRUE(page4()["zweibein"].isUnchecked());
    EXPECT_TRUE(page4()["zweibein"].isVisible());
    EXPECT_EQ(page4()["hlt3"].text(), "Unterlauf");
}

TEST_F(Page4Test, ARebuiltPage4KeepsTheGasVentsClaimOnTheBarrel)
{
    openPage4(6);
    EXPECT_TRUE(page4()["abgesägte"].isEnabled());
    click("Zurück");
    click("Form3", "gas2");
    click("Form3", "Command2");
    EXPECT_FALSE(page4()["abgesägte"].isEnabled());
    EXPECT_EQ(page4()["hlt"].text(), "");
}

TEST_F(Page4Test, APage4BuiltOnItsOwnLooksAtNoOtherPageIntoBeing)
{
    click("Form1", "Option11");
    const Window &page = app->window("Form4");
    EXPECT_EQ(page["Frame6"].text(), "LMG");
    EXPECT_TRUE(page["dreibein"].isVisible());
    EXPECT_TRUE(page["ladestreifen"].isEnabled());
    for (const QString &window : QStringList{"Form2", "Form3", "Form12", "Form5"})
        EXPECT_EQ(app->find(window), nullptr) << window.toStdString();
}
