// The program at the keyboard: Alt+W and Alt+Z walk the wizard on every page of every
// frame, Tab visits the controls in the order they are laid out, and the mount dialogs
// take Enter as OK and Escape as Cancel.

#include "programfixture.h"

#include <QAbstractButton>
#include <QHash>
#include <QKeySequence>
#include <QMenuBar>
#include <QSet>

namespace korvalde::test {

namespace {

bool takesTabFocus(ControlKind kind)
{
    return kind == ControlKind::CheckBox || kind == ControlKind::OptionButton || kind == ControlKind::Button ||
           kind == ControlKind::EditField || kind == ControlKind::ComboBox;
}

class KeyboardTest : public ProgramFixture {
protected:
    // A mnemonic presses its button the way a click looks, a moment later: wait until
    // another page has come to the front.
    void pressAlt(Qt::Key key)
    {
        const QString before = frontPage();
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &frontend.mainWindow(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return frontPage() != before; })) << "Alt+" << char(key);
        settle();
    }

    // Two controls with the same mnemonic would make Alt+letter cycle between them
    // instead of pressing one.
    void expectUniqueMnemonics(const QString &window)
    {
        QWidget *root = frontend.windowWidget(window);
        QStringList captions;
        for (const auto *button : root->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(root))
                captions << button->text();
        }
        for (const auto *menuBar : root->findChildren<QMenuBar *>()) {
            for (const QAction *menu : menuBar->actions())
                captions << menu->text();
        }
        QSet<QKeySequence> seen;
        for (const QString &caption : captions) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
            if (mnemonic.isEmpty())
                continue;
            EXPECT_FALSE(seen.contains(mnemonic))
                << qPrintable(window) << ": " << qPrintable(mnemonic.toString()) << " twice";
            seen.insert(mnemonic);
        }
    }

    // The controls a user can work with right now, in layout order; a group of option
    // buttons once, at its chosen button or, with none chosen, at its first.
    QStringList expectedTabStops(const QString &windowName)
    {
        const Window *window = app->find(windowName);
        QWidget *root = frontend.windowWidget(windowName);
        QStringList stops;
        QHash<QString, QString> groupStop;
        for (const auto &control : window->controls()) {
            QWidget *shown = frontend.widget(windowName, control->name());
            const QString group = control->placement().parent;
            if (control->kind() != ControlKind::OptionButton || !shown->isVisibleTo(root) || !shown->isEnabled())
                continue;
            if (control->isChecked() || !groupStop.contains(group))
                groupStop.insert(group, control->name());
            if (control->isChecked())
                groupStop.insert(group + "/chosen", control->name());
        }
        for (const auto &control : window->controls()) {
            const QString group = control->placement().parent;
            if (control->kind() == ControlKind::OptionButton &&
                groupStop.value(group + "/chosen", groupStop.value(group)) != control->name())
                continue;
            QWidget *shown = frontend.widget(windowName, control->name());
            if (shown == nullptr)
                continue;
            if (!takesTabFocus(control->kind())) {
                EXPECT_EQ(shown->focusPolicy(), Qt::NoFocus) << qPrintable(windowName + '.' + control->name());
                continue;
            }
            if (shown->isVisibleTo(root) && shown->isEnabled())
                stops << control->name();
        }
        return stops;
    }

    void expectTabOrder(const QString &window)
    {
        const QStringList stops = expectedTabStops(window);
        ASSERT_FALSE(stops.isEmpty()) << qPrintable(window);
        frontend.widget(window, stops.first())->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited, stops.mid(1) + stops.first(1)) << qPrintable(window);
    }
};

class KeyboardOnEveryFrame : public KeyboardTest, public ::testing::WithParamInterface<int> {};

TEST_P(KeyboardOnEveryFrame, TabFollowsTheLayoutAndNoMnemonicIsTakenTwice)
{
    chooseFrame(GetParam());
    for (const WindowRow &page : wizard()) {
        ASSERT_EQ(frontPage(), page.name);
        expectUniqueMnemonics(page.name);
        expectTabOrder(page.name);
        if (!page.next.isEmpty())
            goForward();
    }
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
}

INSTANTIATE_TEST_SUITE_P(Frames, KeyboardOnEveryFrame, ::testing::Range(1, 15));

TEST_F(KeyboardTest, AltWGoesForwardAndAltZBackOnEveryPage)
{
    chooseFrame(9);
    const auto &pages = wizard();
    for (size_t i = 0; i < pages.size(); ++i) {
        ASSERT_EQ(frontPage(), pages[i].name);
        if (!pages[i].previous.isEmpty()) {
            pressAlt(Qt::Key_Z);
            ASSERT_EQ(frontPage(), pages[i - 1].name) << "Alt+Z on " << qPrintable(pages[i].name);
            pressAlt(Qt::Key_W);
            ASSERT_EQ(frontPage(), pages[i].name) << "Alt+W on " << qPrintable(pages[i - 1].name);
        }
        if (!pages[i].next.isEmpty())
            pressAlt(Qt::Key_W);
    }
}

class MountDialogKeys : public KeyboardTest {
protected:
    // A Sturmgewehr on page 5, where both mounts are free.
    void SetUp() override
    {
        chooseFrame(9);
        for (int step = 0; step < 4; ++step)
            goForward();
        ASSERT_EQ(frontPage(), "Form12");
    }

    QWidget *openDialog(const QString &accessory, const QString &dialog)
    {
        click("Form12", accessory);
        QWidget *shown = frontend.windowWidget(dialog);
        EXPECT_TRUE(frontend.isOnScreen(dialog));
        makeActive(*shown);
        return shown;
    }

    bool isChecked(const QString &window, const QString &control) const
    {
        return app->find(window)->find(control)->isChecked();
    }
};

TEST_F(MountDialogKeys, EnterConfirmsWhereverTheFocusIs)
{
    QWidget *dialog = openDialog("sichtgerät", "Form11");
    click("Form11", "aufmontiert");
    frontend.widget("Form11", "cancel")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(isChecked("Form12", "Check1")) << "the top mount is taken";
    EXPECT_TRUE(isChecked("Form12", "sichtgerät"));
    EXPECT_TRUE(frontend.windowWidget("Form12")->isEnabled());
}

TEST_F(MountDialogKeys, EscapeCancels)
{
    QWidget *dialog = openDialog("laser", "Form10");
    click("Form10", "unterlauf");
    QTest::keyClick(dialog, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(isChecked("Form12", "laser"));
    EXPECT_FALSE(isChecked("Form12", "Check2")) << "the underbarrel mount stays free";
    EXPECT_TRUE(frontend.windowWidget("Form12")->isEnabled());
}

} // namespace

} // namespace korvalde::test
