#include "app/windowfactory.h"
#include "testplatform.h"

#include <gtest/gtest.h>

using namespace korvalde;

namespace {

// Notes, for every box, what the window behind it shows at that moment.
class WitnessPlatform : public test::TestPlatform {
public:
    void showMessage(const MessageBox &message) override
    {
        TestPlatform::showMessage(message);
        if (window != nullptr)
            seen << (*window)["value"].text();
    }

    const Window *window = nullptr;
    QStringList seen;
};

// One box whose click writes "half", raises a box, then writes "done"; a second box raises
// two boxes around a nested action of the first.
std::unique_ptr<Window> witnessWindow(Application &app, const QString &name)
{
    auto window = std::make_unique<Window>(app, name, WindowKind::Page, QStringLiteral("Probe"));
    Window &probe = *window;
    probe.add("value", ControlKind::TextField, "start");
    probe.add("single", ControlKind::CheckBox, "single").onClick([&probe] {
        probe["value"].setText("half");
        probe.app().showMessage({"first", {}, MessageIcon::None, {}});
        probe["value"].setText("done");
    });
    probe.add("twice", ControlKind::CheckBox, "twice").onClick([&probe] {
        probe.app().showMessage({"outer", {}, MessageIcon::None, {}});
        probe.app().runUserAction([&probe] { probe["single"].setChecked(!probe["single"].isChecked()); });
        probe["value"].setText("twice done");
    });
    return window;
}

} // namespace

TEST(HeldMessages, BoxesOfAUserActionComeAfterAllItsStepsInTheOrderRaised)
{
    WitnessPlatform platform;
    Application app(platform, witnessWindow, {"probe"});
    app.start("probe");
    platform.window = app.find("probe");

    ASSERT_EQ(app.userClick("probe", "single"), "");
    EXPECT_EQ(platform.messageTexts(), QStringList{"first"});
    EXPECT_EQ(platform.seen, QStringList{"done"});

    // The nested action's box waits for the outermost one too, behind the box raised first.
    ASSERT_EQ(app.userClick("probe", "twice"), "");
    EXPECT_EQ(platform.messageTexts(), QStringList({"first", "outer", "first"}));
    EXPECT_EQ(platform.seen, QStringList({"done", "twice done", "twice done"}));
}

TEST(HeldMessages, OutsideAUserActionABoxComesAtOnce)
{
    WitnessPlatform platform;
    Application app(platform, witnessWindow, {"probe"});
    app.start("probe");
    platform.window = app.find("probe");
    (*app.find("probe"))["single"].setChecked(true);
    EXPECT_EQ(platform.seen, QStringList{"half"});
}

// The program's own FKE guard: behind its box the page already shows the click's result
// (weight and DP included, which some options change after FKE), with "Weiter" locked.
TEST(HeldMessages, TheFkeBoxFindsTheClicksFinalValues)
{
    struct FkeWitness : test::TestPlatform {
        void showMessage(const MessageBox &message) override
        {
            TestPlatform::showMessage(message);
            seen << shown();
        }
        QString shown() const
        {
            const Window &page = *app->find("Form2");
            return page["fke"].text() + ' ' + page["gew"].text() + ' ' + page["dp"].text() +
                   (page["Weiter1"].isEnabled() ? " open" : " locked");
        }
        Application *app = nullptr;
        QStringList seen;
    } platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    platform.app = app.get();
    // The automatic pistol runs out of FKE early; every further option drives it lower.
    ASSERT_EQ(app->userClick("Form1", "Option3"), "");
    ASSERT_EQ(app->userClick("Form1", "Command1"), "");
    int boxes = 0;
    for (const auto &control : app->find("Form2")->controls()) {
        if (control->kind() != ControlKind::CheckBox || !app->whyUnreachable("Form2", control->name()).isEmpty())
            continue;
        platform.seen.clear();
        ASSERT_EQ(app->userClick("Form2", control->name()), "");
        for (const QString &seen : platform.seen)
            EXPECT_EQ(seen, platform.shown()) << control->name().toStdString();
        boxes += platform.seen.size();
    }
    EXPECT_GE(boxes, 5);
    EXPECT_EQ(platform.messageTexts(), QStringList(platform.messages.size(), "FKE darf nicht unter 0 liegen !"));
}
