#include "app/windowfactory.h"
#include "sheet/frameprofile.h"
#include "sheet/frames.h"
#include "sheet/sheet.h"
#include "testplatform.h"

#include <gtest/gtest.h>

using namespace korvalde;

namespace {

// The program with page 2 open for one frame, driven through user actions only.
struct Page2 {
    test::TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);

    explicit Page2(const FrameEntry &frame)
    {
        EXPECT_EQ(app->userClick("Form1", QStringLiteral("Option%1").arg(frame.number)), "");
        EXPECT_EQ(app->userClick("Form1", "Command1"), "");
    }
    Window &page() const { return *app->find("Form2"); }

    // The sheet as one readable text. The belt marker reads "/ -" only until the belt is
    // first touched, so it is left out; "no fire mode" reads " - " or, after full-automatic
    // fire, "-", so the blanks around it do not count.
    std::string sheet() const
    {
        QStringList texts;
        for (const QString &field : sheet::fieldNames()) {
            if (field != "Gurt")
                texts << field + "=" + (field == "pwr" ? page()[field].text().trimmed() : page()[field].text());
        }
        return texts.join(" ").toStdString();
    }
};

std::string describe(const FrameEntry &frame, const QString &control)
{
    return (frame.name + " / " + control).toStdString();
}

} // namespace

// What the profile offers, the user must be able to reach: a control in a hidden group
// would be on offer but out of reach.
TEST(Page2Profile, EveryOfferedControlIsInReach)
{
    for (const FrameEntry &frame : frameCatalogue()) {
        Page2 run(frame);
        const FrameProfile *profile = frameProfile(frame.name);
        ASSERT_NE(profile, nullptr) << frame.name.toStdString();
        const QStringList offered = offeredControls(*profile);
        for (const QString &name : offered)
            EXPECT_TRUE(run.page()[name].isShownInLayout()) << describe(frame, name);
        for (const QString &box : profile->preselected)
            EXPECT_TRUE(offered.contains(box)) << describe(frame, box);
    }
}

// Checking a box and taking it back (or the other way round for a checked box) gives the
// sheet back exactly as it was: with the frame's pre-selections, and again once they are
// withdrawn, so that every fire mode and loading mechanism gets its turn.
void expectEveryRoundTripRestoresTheSheet(Page2 &run, const FrameEntry &frame, const QStringList &offered)
{
    for (const QString &name : offered) {
        const Control &control = run.page()[name];
        if (control.kind() != ControlKind::CheckBox || !control.isEnabled() || !control.isShownInLayout())
            continue;
        const std::string before = run.sheet();
        const CheckState state = control.state();
        EXPECT_EQ(run.app->userClick("Form2", name), "") << describe(frame, name);
        EXPECT_EQ(run.app->userClick("Form2", name), "") << describe(frame, name);
        EXPECT_EQ(control.state(), state) << describe(frame, name);
        EXPECT_EQ(run.sheet(), before) << describe(frame, name);
    }
}

TEST(Page2Options, TakingAnOptionBackRestoresTheSheet)
{
    for (const FrameEntry &frame : frameCatalogue()) {
        Page2 run(frame);
        const FrameProfile &profile = *frameProfile(frame.name);
        const QStringList offered = offeredControls(profile);
        expectEveryRoundTripRestoresTheSheet(run, frame, offered);
        for (const QString &box : profile.preselected) {
            if (run.page()[box].isChecked()) {
                EXPECT_EQ(run.app->userClick("Form2", box), "") << describe(frame, box);
            }
        }
        expectEveryRoundTripRestoresTheSheet(run, frame, offered);
    }
}

// The step and capacity lists take nothing but their own entries.
TEST(Page2Options, ListsAcceptOnlyTheirEntries)
{
    Page2 run(*findFrame("Scharfschützengewehr"));
    EXPECT_NE(run.app->userType("Form2", "munistufe", "5"), "");
    EXPECT_NE(run.app->userPick("Form2", "munistufe", "11"), "");
    EXPECT_NE(run.app->userType("Form2", "mehrstufe4", "03"), "");
    EXPECT_NE(run.app->userPick("Form2", "gewichtstufe6", "07"), "");
    EXPECT_EQ(run.page()["munistufe"].text(), "0");
    EXPECT_EQ(run.page()["gewichtstufe6"].text(), "0");
    EXPECT_EQ(run.page()["dp"].text(), "800");
    EXPECT_TRUE(run.platform.messages.empty());
}

// A page 2 opened for a name that is no frame keeps its layout: nothing on offer.
TEST(Page2Profile, UnknownFrameKeepsTheLayoutState)
{
    test::TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    app->window("Form1")["typ"].setText("Armbrust");
    Window &page = app->window("Form2");
    EXPECT_EQ(page["Frame2"].text(), "Wahl der Komponenten");
    EXPECT_EQ(page["pwr"].text(), "XX");
    EXPECT_FALSE(page["größe"].isVisible());
    EXPECT_FALSE(page["modus"].isChecked());
    EXPECT_EQ(app->find("Form4"), nullptr);
    EXPECT_EQ(app->find("Form12"), nullptr);
}
