#include "app/windowfactory.h"
#include "model/application.h"
#include "pages/page5/mountdialogs.h"
#include "testplatform.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace korvalde::page5_test {

// A program walked to page 5, with a known sheet on page 5 so that every
// delta shows in the fields.
class Page5Test : public ::testing::Test {
protected:
    // A Sturmgewehr.
    void reachPage5()
    {
        app = startKorvalde(platform);
        click("Form1", "Option9");
        click("Form1", "Command1");
        click("Form2", "Weiter1");
        click("Form3", "Command2");
        click("Form4", "Command2");
        ASSERT_TRUE(page().isShown());
        for (const auto &[field, text] : {std::pair{"dp", "1000"}, {"fke", "2"}, {"trn", "4"}, {"gew", "3"}})
            page()[field].setText(text);
    }

    void click(const QString &window, const QString &control)
    {
        const QString why = app->userClick(window, control);
        ASSERT_TRUE(why.isEmpty()) << qPrintable(why);
    }
    // What the user could not do, or an empty text.
    QString tryClick(const QString &window, const QString &control) { return app->userClick(window, control); }

    Window &page() const { return *app->find("Form12"); }
    Window &dialog(const QString &name) const { return *app->find(name); }
    QString field(const QString &name) const { return page()[name].text(); }
    // The four fields the options change, in one text that failure messages show.
    std::string sheet() const
    {
        return QStringList{field("dp"), field("fke"), field("trn"), field("gew")}.join(" / ").toStdString();
    }

    test::TestPlatform platform;
    std::unique_ptr<Application> app;
};

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
    for (const QString box : {"aufmontiert", "unterlauf"}) {
        EXPECT_TRUE(laserDialog[box].isVisible() && laserDialog[box].isEnabled() && laserDialog[box].isUnchecked())
            << qPrintable(box);
    }
    EXPECT_FALSE(laserDialog["frei"].isVisible());
    EXPECT_EQ(laserDialog["frei"].text(), "Keine Halterungen mehr frei !!!\r\n       (bitte Cancel drücken)\r\n");
    EXPECT_EQ(laserDialog["ok"].text(), "&OK");
    EXPECT_EQ(laserDialog["cancel"].text(), "&Cancel");
    EXPECT_FALSE(page()["Check1"].isVisible());
    EXPECT_FALSE(page()["Check2"].isVisible());
    EXPECT_FALSE(tryClick("Form12", "ultraschall").isEmpty()) << "page 5 takes no input while a dialog is open";
}

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

} // namespace korvalde::page5_test
