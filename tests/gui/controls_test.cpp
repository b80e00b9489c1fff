// The widgets report the user's input and show only what the core decided.

#include "controlwidgets.h"
#include "guifixture.h"
#include "widgetinput.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace korvalde::test {

namespace {

class ControlsTest : public GuiFixture {};

QPoint onCaption(const QWidget &widget)
{
    return {std::min(widget.width(), widget.sizeHint().width()) / 2, widget.height() / 2};
}

TEST_F(ControlsTest, CheckBoxStateIsTheCoresAndProgramChangesAreNoClicks)
{
    int clicks = 0;
    addWindow("Page", WindowKind::Page, "Seite", [&](Window &page) {
        page.add("box", ControlKind::CheckBox, "Box").onClick([&] { ++clicks; });
        // A box the rules switch straight back: the user's click must leave no trace.
        Control &stubborn = page.add("stubborn", ControlKind::CheckBox, "Stur");
        stubborn.onClick([&stubborn] { stubborn.setChecked(false); });
    });
    start("Page");
    Control &box = app->find("Page")->operator[]("box");
    auto *boxWidget = widget<QCheckBox>("Page", "box");
    ASSERT_NE(boxWidget, nullptr);
    ASSERT_TRUE(boxWidget->isTristate());

    QTest::mouseClick(boxWidget, Qt::LeftButton, {}, onCaption(*boxWidget));
    EXPECT_EQ(box.state(), CheckState::Checked);
    EXPECT_EQ(boxWidget->checkState(), Qt::Checked);
    EXPECT_EQ(clicks, 1);

    app->runUserAction([&] { box.setState(CheckState::Grayed); });
    EXPECT_EQ(boxWidget->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(clicks, 2) << "a program-made change must not come back as a user click";

    // Qt's own cycle would go from grayed to checked; the core's rule unchecks.
    QTest::mouseClick(boxWidget, Qt::LeftButton, {}, onCaption(*boxWidget));
    EXPECT_EQ(box.state(), CheckState::Unchecked);
    EXPECT_EQ(boxWidget->checkState(), Qt::Unchecked);

    auto *stubbornWidget = widget<QCheckBox>("Page", "stubborn");
    QTest::mouseClick(stubbornWidget, Qt::LeftButton, {}, onCaption(*stubbornWidget));
    EXPECT_EQ(stubbornWidget->checkState(), Qt::Unchecked);
}

TEST_F(ControlsTest, OptionButtonsAreExclusiveWithinTheirFrameOnly)
{
    addWindow("Page", WindowKind::Page, "Seite", [](Window &page) {
        page.add("left", ControlKind::Frame, "Links");
        page.add("a", ControlKind::OptionButton, "A", {"left"});
        page.add("b", ControlKind::OptionButton, "B", {"left"});
        page.add("right", ControlKind::Frame, "Rechts", {{}, true});
        page.add("c", ControlKind::OptionButton, "C", {"right"});
    });
    start("Page");
    for (const QString name : {"a", "c", "b"}) {
        auto *button = widget<QRadioButton>("Page", name);
        QTest::mouseClick(button, Qt::LeftButton, {}, onCaption(*button));
    }
    EXPECT_FALSE(widget<QRadioButton>("Page", "a")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("Page", "b")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("Page", "c")->isChecked());
    EXPECT_TRUE(app->find("Page")->operator[]("c").isChecked());
}

TEST_F(ControlsTest, ComboShowsTextsOutsideItsListAndReportsPicks)
{
    QStringList picked;
    addWindow("Page", WindowKind::Page, "Seite", [&](Window &page) {
        Control &combo = page.add("stufe", ControlKind::ComboBox, "0");
        combo.setItems({"01", "02"});
        combo.onClick([&] { picked << combo.text(); });
    });
    start("Page");
    auto *combo = widget<QComboBox>("Page", "stufe");
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(gui::shownText(*combo), "0");
    EXPECT_EQ(combo->count(), 2);

    combo->showPopup();
    combo->view()->setCurrentIndex(combo->model()->index(1, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(picked, QStringList{"02"});
    EXPECT_EQ(gui::shownText(*combo), "02");

    Control &control = app->find("Page")->operator[]("stufe");
    app->runUserAction([&] { control.setText("16 Stufen"); });
    EXPECT_EQ(gui::shownText(*combo), "16 Stufen");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(picked.size(), 1) << "a program-made text is no pick";
}

TEST_F(ControlsTest, TypingReachesTheCoreAndDisplayFieldsStayOutOfReach)
{
    int changes = 0;
    addWindow("Page", WindowKind::Page, "Seite", [&](Window &page) {
        page.add("name", ControlKind::EditField, "").onChange([&] { ++changes; });
        page.add("shown", ControlKind::TextField, "0");
        page.add("list", ControlKind::TextArea, "Rahmen");
    });
    start("Page");
    auto *name = widget<QLineEdit>("Page", "name");
    name->setFocus();
    QTest::keyClicks(name, "Flinte");
    EXPECT_EQ(app->find("Page")->operator[]("name").text(), "Flinte");
    EXPECT_EQ(changes, 6);

    Control &shown = app->find("Page")->operator[]("shown");
    app->runUserAction([&] { shown.setText("2,75"); });
    auto *field = widget<QLineEdit>("Page", "shown");
    EXPECT_EQ(field->text(), "2,75");
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(frontend.widget("Page", "list")->focusPolicy(), Qt::NoFocus);
}

} // namespace

} // namespace korvalde::test
