#include "model/application.h"
#include "testplatform.h"

#include <gtest/gtest.h>

using namespace korvalde;

namespace {

// A small world of two windows: "Main" with a few boxes whose operations log what they
// see, and "Lazy", which counts its loads and reaches back into itself while loading.
struct World {
    test::TestPlatform platform;
    QStringList log;
    int lazyLoads = 0;
    Application app{platform, [this](Application &a, const QString &name) { return make(a, name); }, {"Main", "Lazy"}};

    std::unique_ptr<Window> make(Application &a, const QString &name)
    {
        auto window = std::make_unique<Window>(a, name, WindowKind::Page, name);
        Window &w = *window;
        if (name == "Main") {
            Control &first = w.add("first", ControlKind::CheckBox, "First");
            Control &second = w.add("second", ControlKind::CheckBox, "Second");
            w.add("field", ControlKind::TextField, "0").onChange([this, &w] { log << "change " + w["field"].text(); });
            w.add("combo", ControlKind::ComboBox, "0").setItems({"01", "02"});
            w["combo"].onClick([this, &w] { log << "pick " + w["combo"].text(); });
            w.add("back", ControlKind::Button, "&Zurück").onClick([this, &a, &w] {
                a.discard("Main");
                // The window is discarded but still alive while its own operation runs.
                log << "after discard " + w["field"].text();
            });
            w.add("box", ControlKind::Frame, "Box");
            w.add("inner", ControlKind::CheckBox, "Inner", {"box"});
            w.add("a", ControlKind::OptionButton, "A", {"group"});
            w.add("b", ControlKind::OptionButton, "B", {"group"});
            first.onClick([this, &first, &second] {
                log << "first " + QString::number(int(first.state()));
                if (first.isChecked())
                    second.setChecked(true);
                if (first.isUnchecked())
                    log << "first unchecked branch";
            });
            second.onClick([this, &second] { log << "second " + QString::number(int(second.state())); });
        } else {
            w.add("value", ControlKind::TextField, "layout");
            w.onLoad([this, &a] {
                ++lazyLoads;
                a.window("Lazy")["value"].setText("loaded");
            });
        }
        return window;
    }
};

} // namespace

TEST(ClickSemantics, SettingAStateRunsTheClickNestedAndOnlyOnChange)
{
    World world;
    Window &main = world.app.window("Main");
    main["first"].setChecked(true);
    // The nested click of `second` ran before `first`'s operation went on.
    EXPECT_EQ(world.log, QStringList({"first 1", "second 1"}));
    world.log.clear();
    main["first"].setChecked(true);
    EXPECT_TRUE(world.log.isEmpty());
    main["first"].setState(CheckState::Grayed);
    // Grayed is neither checked nor unchecked: no branch runs.
    EXPECT_EQ(world.log, QStringList({"first 2"}));
}

TEST(ClickSemantics, UserClickTogglesAndGrayedGoesToUnchecked)
{
    World world;
    world.app.window("Main").setShown(true);
    Window &main = *world.app.find("Main");
    main["first"].setState(CheckState::Grayed);
    world.log.clear();
    EXPECT_EQ(world.app.userClick("Main", "first"), "");
    EXPECT_EQ(main["first"].state(), CheckState::Unchecked);
    EXPECT_EQ(world.log, QStringList({"first 0", "first unchecked branch"}));
}

TEST(ClickSemantics, TextAndComboOperations)
{
    World world;
    Window &main = world.app.window("Main");
    main.setShown(true);
    main["field"].setText("0");
    main["field"].setText("1,5");
    main["combo"].setText("02"); // the program setting a combo's text is no pick
    EXPECT_EQ(world.log, QStringList({"change 1,5"}));
    EXPECT_NE(world.app.userPick("Main", "combo", "03"), "");
    EXPECT_EQ(world.app.userPick("Main", "combo", "01"), "");
    EXPECT_EQ(world.log.last(), "pick 01");
}

TEST(ClickSemantics, OptionButtonsOfOneFrameExcludeEachOther)
{
    World world;
    Window &main = world.app.window("Main");
    main["a"].setChecked(true);
    main["b"].setChecked(true);
    EXPECT_TRUE(main["a"].isUnchecked());
    EXPECT_TRUE(main["b"].isChecked());
}

TEST(ClickSemantics, TheUserCannotReachHiddenOrDisabledControls)
{
    World world;
    EXPECT_NE(world.app.userClick("Main", "first"), ""); // not loaded
    Window &main = world.app.window("Main");
    EXPECT_NE(world.app.userClick("Main", "first"), ""); // not shown
    main.setShown(true);
    main["first"].setEnabled(false);
    EXPECT_NE(world.app.userClick("Main", "first"), "");
    main["first"].setEnabled(true);
    main["first"].setVisible(false);
    EXPECT_NE(world.app.userClick("Main", "first"), "");
    EXPECT_TRUE(main["first"].isUnchecked());
    main.setEnabled(false);
    EXPECT_NE(world.app.userClick("Main", "second"), "");
    main.setEnabled(true);
    EXPECT_NE(world.app.userClick("Main", "field"), ""); // a display field is no button
    world.app.end();
    EXPECT_NE(world.app.userClick("Main", "second"), "");
    EXPECT_TRUE(world.platform.ended);
}

TEST(ClickSemantics, AFrameThatIsHiddenOrDisabledTakesItsControlsOutOfReach)
{
    World world;
    Window &main = world.app.window("Main");
    main.setShown(true);
    main["box"].setEnabled(false);
    EXPECT_NE(world.app.userClick("Main", "inner"), "");
    main["box"].setEnabled(true);
    main["box"].setVisible(false);
    EXPECT_NE(world.app.userClick("Main", "inner"), "");
    EXPECT_TRUE(main["inner"].isUnchecked());
    main["box"].setVisible(true);
    EXPECT_EQ(world.app.userClick("Main", "inner"), "");
    EXPECT_TRUE(main["inner"].isChecked());
}

TEST(WindowLifetime, CreatedOnFirstTouchAndLoadedOnce)
{
    World world;
    EXPECT_EQ(world.app.find("Lazy"), nullptr);
    EXPECT_FALSE(world.app.isLoaded("Lazy"));
    Window &lazy = world.app.window("Lazy");
    // The load reached back into its own window without creating it twice.
    EXPECT_EQ(world.lazyLoads, 1);
    EXPECT_EQ(lazy["value"].text(), "loaded");
    EXPECT_EQ(&world.app.window("Lazy"), &lazy);
    EXPECT_EQ(world.lazyLoads, 1);
}

TEST(WindowLifetime, DiscardedWindowsComeBackInTheirLayoutState)
{
    World world;
    world.app.window("Main")["field"].setText("5");
    world.app.discard("Main");
    EXPECT_FALSE(world.app.isLoaded("Main"));
    EXPECT_EQ(world.app.window("Main")["field"].text(), "0");
}

TEST(WindowLifetime, AWindowDiscardedByItsOwnOperationLivesUntilTheActionEnds)
{
    World world;
    Window &main = world.app.window("Main");
    main.setShown(true);
    main["field"].setText("7");
    world.log.clear();
    EXPECT_EQ(world.app.userClick("Main", "back"), "");
    EXPECT_EQ(world.log, QStringList({"after discard 7"}));
    EXPECT_FALSE(world.app.isLoaded("Main"));
}
