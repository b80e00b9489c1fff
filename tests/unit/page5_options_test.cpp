#include "page5_fixture.h"

#include "pages/page5/mountdialogs.h"

namespace korvalde::page5_test {

namespace {

const QStringList kSightOptions = {"v1", "v2", "v3", "IR", "licht", "guncam", "blitz"};

} // namespace

TEST_F(Page5Test, EveryAccessoryAppliesItsCostsAndCancelWithdrawsThem)
{
    reachPage5();
    const std::string before = sheet();
    const std::pair<QString, std::string> expected[] = {
        {"entfernungsmesser", "1030 / 1,75 / 4 / 3,1"}, {"sichtgerät", "1000 / 1,75 / 3 / 3,25"},
        {"laserziel", "1740 / 1,75 / 2 / 3,5"},         {"laser", "1000 / 1,75 / 4 / 3,25"},
        {"ultraschall", "1260 / 1,75 / 2 / 3,25"},      {"smartextern", "1000 / 1,75 / 4 / 3"},
    };
    for (const auto &[accessory, costs] : expected) {
        SCOPED_TRACE(qPrintable(accessory));
        const QString dialogName = page5::dialogOf(accessory).window;
        click("Form12", accessory);
        EXPECT_EQ(sheet(), costs);
        EXPECT_TRUE(dialog(dialogName).isShown());
        click(dialogName, "cancel");
        EXPECT_EQ(sheet(), before);
        // Confirmed on a mount, then unchecked on the page: the same round trip.
        click("Form12", accessory);
        click(dialogName, "aufmontiert");
        click(dialogName, "ok");
        EXPECT_EQ(sheet(), costs);
        click("Form12", accessory);
        EXPECT_EQ(sheet(), before);
        EXPECT_EQ(field("hlt2"), "Aufmontiert");
    }
}

TEST_F(Page5Test, RefiningOptionsExcludeEachOtherByDisablingOnly)
{
    reachPage5();
    for (const QString &box : QStringList{"v1", "hochenergetisch", "smartextern1"})
        EXPECT_FALSE(page()[box].isEnabled()) << qPrintable(box);

    mount("sichtgerät", "aufmontiert");
    click("Form12.v2");
    EXPECT_FALSE(page()["v1"].isEnabled());
    EXPECT_FALSE(page()["v3"].isEnabled());
    click("Form12.IR");
    click("Form12.blitz");
    EXPECT_EQ(field("dp"), "1485");
    click("Form12.v2");
    EXPECT_TRUE(page()["v1"].isEnabled());
    EXPECT_TRUE(page()["v3"].isEnabled());
    click("Form12.v2");

    mount("laser", "unterlauf");
    click("Form12.hochenergetisch");
    EXPECT_FALSE(page()["niederenergetisch"].isEnabled());
    EXPECT_EQ(sheet(), "1765 / 1,5 / 2 / 3,5") << "the high-energy class costs no FKE or weight";
    click("Form12.hochenergetisch");
    click("Form12.niederenergetisch");
    EXPECT_EQ(sheet(), "1585 / 1,25 / 2 / 3,75");
    EXPECT_FALSE(page()["hochenergetisch"].isEnabled());
}

TEST_F(Page5Test, RemovingAnAccessoryTakesItsRefinementsWithIt)
{
    reachPage5();
    const std::string before = sheet();

    mount("sichtgerät", "aufmontiert");
    click("Form12.v2");
    click("Form12.IR");
    click("Form12.sichtgerät");
    EXPECT_EQ(sheet(), before);
    expectWithdrawn(kSightOptions);

    mount("laser", "aufmontiert");
    click("Form12.niederenergetisch");
    click("Form12.laser");
    EXPECT_EQ(sheet(), before);
    expectWithdrawn(QStringList{"niederenergetisch", "hochenergetisch"});

    mount("smartextern", "unterlauf");
    click("Form12.smartextern2");
    EXPECT_FALSE(page()["smartextern1"].isEnabled());
    click("Form12.smartextern");
    EXPECT_EQ(sheet(), before);
    expectWithdrawn(QStringList{"smartextern1", "smartextern2"});
    EXPECT_EQ(field("hlt3"), "Unterlauf");
}

TEST_F(Page5Test, TheRangefinderLocksTheSightWithoutWithdrawingIt)
{
    reachPage5();
    mount("sichtgerät", "aufmontiert");
    click("Form12.v1");
    const std::string withSight = sheet();

    mount("entfernungsmesser", "unterlauf");
    EXPECT_FALSE(page()["sichtgerät"].isEnabled());
    EXPECT_TRUE(page()["sichtgerät"].isChecked());
    EXPECT_TRUE(page()["v1"].isChecked());
    for (const QString &box : kSightOptions)
        EXPECT_FALSE(page()[box].isEnabled()) << qPrintable(box);

    click("Form12.entfernungsmesser");
    EXPECT_EQ(sheet(), withSight);
    EXPECT_TRUE(page()["sichtgerät"].isEnabled());
    for (const QString &box : kSightOptions)
        EXPECT_FALSE(page()[box].isEnabled()) << "sight options stay locked until the sight is chosen anew";

    click("Form12.sichtgerät");
    mount("sichtgerät", "aufmontiert");
    for (const QString &box : kSightOptions)
        EXPECT_TRUE(page()[box].isEnabled()) << qPrintable(box);
    EXPECT_TRUE(page()["entfernungsmesser"].isEnabled()) << "the sight never locks the rangefinder";
}

TEST_F(Page5Test, HoldoutOffersNoAccessory)
{
    reachPage5(1);
    EXPECT_EQ(page()["Frame1"].text(), "Holdout Pistole");
    for (const char *box : {"entfernungsmesser", "sichtgerät", "laserziel", "laser", "ultraschall", "smartextern"})
        EXPECT_FALSE(page()[box].isEnabled()) << box;
}

TEST_F(Page5Test, ForwardStepListsTheChosenOptionsOnceAndHidesTakenMounts)
{
    reachPage5();
    mount("sichtgerät", "aufmontiert");
    click("Form12.v2");
    click("Form12.IR");
    mount("smartextern", "unterlauf");
    click("Form12.smartextern1");
    click("Form12.Command2");

    Window &completion = *app->find("Form5");
    const QString list = completion["Text1"].text();
    EXPECT_TRUE(list.endsWith(", Sichtgerät mit Vergrößerung (2) mit Infrarot, Smartgun extern (1)"))
        << qPrintable(list);
    EXPECT_EQ(completion["dp"].text(), field("dp"));
    EXPECT_FALSE(completion["hlt2"].isVisible());
    EXPECT_FALSE(completion["hlt3"].isVisible());
    EXPECT_TRUE(completion["hlt"].isVisible());

    click("Form5.Zurück");
    click("Form12.smartextern");
    click("Form12.Command2");
    EXPECT_EQ(completion["Text1"].text(), list.chopped(QString(", Smartgun extern (1)").size()));
    EXPECT_TRUE(completion["hlt3"].isVisible()) << "a mount released after the first visit shows again";

    click("Form5.Zurück");
    click("Form12.Zurück");
    EXPECT_FALSE(app->isLoaded("Form5"));
    click("Form4.Command2");
    EXPECT_TRUE(page()["sichtgerät"].isUnchecked());
    click("Form12.Command2");
    EXPECT_FALSE((*app->find("Form5"))["Text1"].text().contains("Sichtgerät"));
}

} // namespace korvalde::page5_test
