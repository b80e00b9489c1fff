#include "page5_fixture.h"

#include "pages/page5/mountdialogs.h"

namespace korvalde::page5_test {

namespace {

const QStringList kDialogs = {"form6", "Form7", "Form8", "Form9", "Form10", "Form11"};

QString offer(const Window &dialog)
{
    auto describe = [&](const QString &box) {
        const Control &control = dialog[box];
        if (!control.isVisible())
            return QStringLiteral("-");
        return QString(control.isEnabled() ? "on" : "off") + QString::number(int(control.state()));
    };
    return QStringLiteral("auf %1 unter %2 frei %3")
        .arg(describe("aufmontiert"), describe("unterlauf"), dialog["frei"].isVisible() ? "shown" : "hidden");
}

} // namespace

TEST_F(Page5Test, DialogsStartWithBothMountsOfferedAndFlagsHidden)
{
    reachPage5();
    click("Form12", "laser");
    Window &laserDialog = dialog("Form10");
    EXPECT_EQ(laserDialog.kind(), WindowKind::Dialog);
    EXPECT_EQ(laserDialog.title(), "Lasermarkierer");
    EXPECT_TRUE(laserDialog.isShown());
    EXPECT_FALSE(page().isEnabled());
    EXPECT_TRUE(page().isShown());
    EXPECT_EQ(offer(laserDialog), "auf on0 unter on0 frei hidden");
    EXPECT_EQ(laserDialog["frei"].text(), "Keine Halterungen mehr frei !!!\r\n       (bitte Cancel drücken)\r\n");
    EXPECT_EQ(laserDialog["ok"].text(), "&OK");
    EXPECT_EQ(laserDialog["cancel"].text(), "&Cancel");
    EXPECT_FALSE(page()["Check1"].isVisible());
    EXPECT_FALSE(page()["Check2"].isVisible());
    EXPECT_FALSE(tryClick("Form12", "ultraschall").isEmpty()) << "page 5 takes no input while a dialog is open";
}

TEST_F(Page5Test, ConfirmingTheTopMountGraysItAndWithdrawsItEverywhere)
{
    reachPage5();
    click("Form12.laser");
    click("Form10.aufmontiert");
    EXPECT_EQ(field("hlt2"), "");
    EXPECT_FALSE(page()["hlt2"].isEnabled());
    EXPECT_EQ(offer(dialog("Form10")), "auf on1 unter - frei hidden");
    click("Form10.ok");
    EXPECT_FALSE(dialog("Form10").isShown());
    EXPECT_TRUE(page().isEnabled());
    EXPECT_TRUE(page()["Check1"].isChecked());
    EXPECT_EQ(offer(dialog("Form10")), "auf - unter - frei hidden");
    EXPECT_EQ(dialog("Form10")["aufmontiert"].state(), CheckState::Grayed);
    for (const QString &other : kDialogs.mid(0, 4) + QStringList{"Form11"})
        EXPECT_EQ(offer(dialog(other)), "auf - unter on0 frei hidden") << qPrintable(other);
}

TEST_F(Page5Test, UntickingInTheSameDialogGivesTheMountBack)
{
    reachPage5();
    click("Form12.sichtgerät");
    click("Form11.unterlauf");
    EXPECT_EQ(field("hlt3"), "");
    click("Form11.unterlauf");
    EXPECT_EQ(field("hlt3"), "Unterlauf");
    EXPECT_TRUE(page()["hlt3"].isEnabled());
    EXPECT_EQ(offer(dialog("Form11")), "auf on0 unter on0 frei hidden");
    click("Form11.ok");
    EXPECT_TRUE(dialog("Form11").isShown()) << "OK with nothing ticked leaves the dialog open";
    EXPECT_FALSE(page().isEnabled());
}

TEST_F(Page5Test, WithBothMountsTakenEveryDialogShowsOnlyTheNotice)
{
    reachPage5();
    mount("laser", "aufmontiert");
    mount("smartextern", "unterlauf");
    for (const QString &name : kDialogs)
        EXPECT_EQ(offer(dialog(name)), "auf - unter - frei shown") << qPrintable(name);

    const std::string before = sheet();
    click("Form12.ultraschall");
    click("Form8.ok");
    EXPECT_TRUE(dialog("Form8").isShown());
    click("Form8.cancel");
    EXPECT_FALSE(dialog("Form8").isShown());
    EXPECT_TRUE(page().isEnabled());
    EXPECT_TRUE(page()["ultraschall"].isUnchecked());
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(field("hlt2") + field("hlt3"), "");
}

TEST_F(Page5Test, UncheckingAnAccessoryReleasesTheMountItHolds)
{
    reachPage5();
    mount("laser", "aufmontiert");
    mount("ultraschall", "unterlauf");

    click("Form12.ultraschall");
    EXPECT_EQ(field("hlt3"), "Unterlauf");
    EXPECT_TRUE(page()["hlt3"].isEnabled());
    EXPECT_TRUE(page()["Check2"].isUnchecked());
    EXPECT_TRUE(page()["Check1"].isChecked());
    EXPECT_EQ(offer(dialog("form6")), "auf - unter on0 frei hidden");
    // The released box shows the top mount again, but the laser still holds it.
    EXPECT_EQ(offer(dialog("Form8")), "auf off0 unter on0 frei hidden");

    click("Form12.laser");
    EXPECT_EQ(field("hlt2"), "Aufmontiert");
    for (const QString &name : kDialogs)
        EXPECT_EQ(offer(dialog(name)), "auf on0 unter on0 frei hidden") << qPrintable(name);
}

TEST_F(Page5Test, CancelLeavesNoPendingTickBehind)
{
    reachPage5();
    click("Form12.laserziel");
    click("Form7.aufmontiert");
    click("Form7.cancel");
    EXPECT_EQ(field("hlt2"), "Aufmontiert");
    EXPECT_TRUE(page()["hlt2"].isEnabled());
    EXPECT_EQ(dialog("Form7")["aufmontiert"].state(), CheckState::Unchecked);
    EXPECT_EQ(offer(dialog("Form7")), "auf on0 unter on0 frei hidden");

    // Another accessory takes the top mount; the cancelled one must not be grayed with it,
    // or its later cancel would give away a mount the laser holds.
    mount("laser", "aufmontiert");
    EXPECT_EQ(dialog("Form7")["aufmontiert"].state(), CheckState::Unchecked);
    click("Form12.laserziel");
    click("Form7.cancel");
    EXPECT_TRUE(page()["Check1"].isChecked());
    EXPECT_EQ(field("hlt2"), "");
}

TEST_F(Page5Test, ClosingADialogCancelsIt)
{
    reachPage5();
    const std::string before = sheet();
    click("Form12.entfernungsmesser");
    click("form6.unterlauf");
    ASSERT_TRUE(app->userClose("form6").isEmpty());
    EXPECT_FALSE(dialog("form6").isShown());
    EXPECT_TRUE(page().isEnabled());
    EXPECT_TRUE(page()["entfernungsmesser"].isUnchecked());
    EXPECT_EQ(field("hlt3"), "Unterlauf");
    EXPECT_EQ(sheet(), before);
}

TEST_F(Page5Test, FramesWithoutUnderbarrelMountNeverOfferItEvenAfterARebuild)
{
    for (int frame : {2, 3, 7}) {
        reachPage5(frame);
        for (int pass = 0; pass < 2; ++pass) {
            SCOPED_TRACE(frame * 10 + pass);
            EXPECT_TRUE(page()["Check2"].isChecked());
            click("Form12.laser");
            EXPECT_EQ(offer(dialog("Form10")), "auf on0 unter - frei hidden");
            click("Form10.aufmontiert");
            click("Form10.ok");
            EXPECT_EQ(offer(dialog("Form8")), "auf - unter - frei shown");
            click("Form12.Zurück");
            EXPECT_FALSE(app->isLoaded("Form12"));
            EXPECT_FALSE(app->isLoaded("Form10"));
            click("Form4.Command2");
        }
    }
}

} // namespace korvalde::page5_test
