// The one main window: it keeps its size and place on every page change, forwards and
// back and when maximized, with the wizard's buttons always at the same spot; a message
// box finds the widgets showing its click's result; and the keyboard focus goes where the
// user's hand is.

#include "programfixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace korvalde::test {

namespace {

class WindowTest : public ProgramFixture {
protected:
    // Where the window stands and where a button stands on the screen, or nothing.
    QRect windowPlace() const { return frontend.mainWindow().geometry(); }
    std::optional<QPoint> buttonPlace(const QString &window, const QString &button) const
    {
        if (button.isEmpty())
            return std::nullopt;
        QWidget *shown = frontend.widget(window, button);
        if (shown == nullptr || !shown->isVisible())
            return std::nullopt;
        return shown->mapToGlobal(QPoint(0, 0));
    }

    // A Sturmgewehr through every page, a sight on the top mount on page 5, and back to
    // the start: the window and the back and forward buttons never move.
    void walkForwardAndBack()
    {
        chooseFrame(9);
        const QRect place = windowPlace();
        std::optional<QPoint> forward;
        std::optional<QPoint> back;
        const auto expectSteady = [&](const WindowRow &page) {
            SCOPED_TRACE(page.name.toStdString());
            ASSERT_EQ(frontPage(), page.name);
            EXPECT_EQ(windowPlace(), place);
            for (auto [now, first] : {std::pair{buttonPlace(page.name, buttonReading(page.name, "&Weiter")), &forward},
                                      std::pair{buttonPlace(page.name, buttonReading(page.name, "&Zurück")), &back}}) {
                if (now && !*first)
                    *first = now;
                if (now) {
                    EXPECT_EQ(*now, **first);
                }
            }
        };
        for (const WindowRow &page : wizard()) {
            expectSteady(page);
            if (page.name == "Form12") {
                click("Form12", "sichtgerät");
                click("Form11", "aufmontiert");
                click("Form11", "ok");
                expectSteady(page);
            }
            if (!page.next.isEmpty())
                goForward();
        }
        // The completion page's first own button stands where "Weiter" stood.
        EXPECT_EQ(buttonPlace("Form5", "cmdSave"), forward);
        for (auto page = wizard().rbegin(); page != wizard().rend(); ++page) {
            expectSteady(*page);
            if (!page->previous.isEmpty())
                click(page->name, buttonReading(page->name, "&Zurück"));
        }
        ASSERT_TRUE(forward && back);
    }
};

TEST_F(WindowTest, TheWindowAndItsButtonsStayPutOnEveryPageChange)
{
    walkForwardAndBack();
}

TEST_F(WindowTest, MaximizedTheWindowStaysMaximizedAndThePagesFillIt)
{
    QMainWindow &window = frontend.mainWindow();
    window.showMaximized();
    settle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }));
    const QSize maximized = window.size();
    walkForwardAndBack();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.size(), maximized);
    // The page in front takes the room: its frames reach the window's right part, and its
    // buttons stand in the window's bottom part.
    goForward();
    QWidget *page = frontend.windowWidget("Form2");
    QWidget *options = frontend.widget("Form2", "Frame2");
    ASSERT_NE(options, nullptr);
    EXPECT_GT(options->mapTo(page, QPoint(options->width(), 0)).x(), page->width() * 9 / 10);
    QWidget *forward = frontend.widget("Form2", windowRow("Form2").forwardButton);
    EXPECT_GT(forward->mapTo(page, QPoint(0, 0)).y(), page->height() * 9 / 10);
}

TEST_F(WindowTest, AMessageBoxFindsTheWidgetsShowingItsClicksResult)
{
    // The automatic pistol runs out of FKE early; some options change the weight and DP
    // after they have driven FKE below 0.
    chooseFrame(3);
    goForward();
    const QStringList fields = {"fke", "gew", "dp"};
    const auto shown = [&] {
        QStringList texts;
        for (const QString &field : fields)
            texts << qobject_cast<QLineEdit *>(frontend.widget("Form2", field))->text();
        texts << (frontend.widget("Form2", windowRow("Form2").forwardButton)->isEnabled() ? "open" : "locked");
        return texts;
    };
    QList<QStringList> behindBoxes;
    dialogs.onMessage([&](QMessageBox &) { behindBoxes << shown(); });
    int boxes = 0;
    for (const auto &control : app->find("Form2")->controls()) {
        if (control->kind() != ControlKind::CheckBox || !app->whyUnreachable("Form2", control->name()).isEmpty())
            continue;
        behindBoxes.clear();
        click("Form2", control->name());
        for (const QStringList &behind : behindBoxes)
            EXPECT_EQ(behind, shown()) << qPrintable(control->name());
        boxes += behindBoxes.size();
    }
    EXPECT_GE(boxes, 5);
}

class FocusTest : public WindowTest {
protected:
    // Keys go to the window in front; Tab from its focus, or from the window.
    static QString tab(QWidget &window)
    {
        QWidget *from = QApplication::focusWidget();
        QTest::keyClick(from != nullptr ? from : &window, Qt::Key_Tab);
        return QApplication::focusWidget() == nullptr ? QString() : QApplication::focusWidget()->objectName();
    }

    // The window manager hands the activation back a moment after a window closes.
    static bool focusComesTo(QWidget *widget)
    {
        return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, 1000);
    }

    void toPage5()
    {
        chooseFrame(9);
        for (int step = 0; step < 4; ++step)
            goForward();
        ASSERT_EQ(frontPage(), "Form12");
    }

    // Clicks the box on page 5 and makes its dialog the active window.
    QWidget &openDialog(const QString &accessory, const QString &dialog)
    {
        frontend.widget("Form12", accessory)->setFocus(Qt::MouseFocusReason);
        click("Form12", accessory);
        QWidget &shown = *frontend.windowWidget(dialog);
        makeActive(shown);
        return shown;
    }
};

TEST_F(FocusTest, TabEntersTheFrameListAtTheChosenFrame)
{
    QWidget &window = frontend.mainWindow();
    EXPECT_EQ(tab(window), "Option1") << "none chosen: the first";
    chooseFrame(6);
    frontend.widget("Form1", "Command1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(window), "Option6");
    EXPECT_EQ(tab(window), "Command1") << "the next Tab leaves the list";
}

TEST_F(FocusTest, TheMountDialogTabsThroughItsBoxesThenItsButtons)
{
    toPage5();
    QWidget &dialog = openDialog("sichtgerät", "Form11");
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i)
        visited << tab(dialog);
    EXPECT_EQ(visited, QStringList({"aufmontiert", "unterlauf", "ok", "cancel", "aufmontiert"}));
}

TEST_F(FocusTest, ClosingAMountDialogGivesTheFocusBackToTheBoxThatOpenedIt)
{
    toPage5();
    QWidget &sight = openDialog("sichtgerät", "Form11");
    click("Form11", "aufmontiert");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    ASSERT_FALSE(sight.isVisible());
    EXPECT_TRUE(focusComesTo(frontend.widget("Form12", "sichtgerät")));

    QWidget &laser = openDialog("laser", "Form10");
    QTest::keyClick(&laser, Qt::Key_Escape);
    settle();
    ASSERT_FALSE(laser.isVisible());
    EXPECT_TRUE(focusComesTo(frontend.widget("Form12", "laser")));
}

TEST_F(FocusTest, ClosingAMessageBoxGivesTheFocusBackToTheClickedBox)
{
    chooseFrame(3);
    goForward();
    for (const auto &control : app->find("Form2")->controls()) {
        if (control->kind() != ControlKind::CheckBox || !app->whyUnreachable("Form2", control->name()).isEmpty())
            continue;
        QWidget *box = frontend.widget("Form2", control->name());
        box->setFocus(Qt::MouseFocusReason);
        const qsizetype before = messages.size();
        click("Form2", control->name());
        if (messages.size() > before) {
            EXPECT_TRUE(focusComesTo(box)) << qPrintable(control->name());
            return;
        }
    }
    FAIL() << "no option drove FKE below 0";
}

} // namespace

} // namespace korvalde::test
