// Pages share the main window's stack, dialogs are windows of their own, and the user's
// closing and the program's discarding reach the right places.

#include "guifixture.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace korvalde::test {

namespace {

class WindowsTest : public GuiFixture {
protected:
    // Two pages and a dialog: "next" goes from page 1 to page 2, "back" discards page 2
    // from inside its own button, "open" shows the dialog and disables page 2.
    void addWizard()
    {
        addWindow("Page1", WindowKind::Page, "Seite 1", [this](Window &page) {
            page.add("mnuDatei", ControlKind::MenuItem, "&Datei");
            page.add("info", ControlKind::MenuItem, "&Info", {"mnuDatei"});
            page.add("next", ControlKind::Button, "&Weiter").onClick([&page] {
                page.app().window("Page2").setShown(true);
                page.setShown(false);
            });
            page.onClose([this] { closed << "Page1"; });
            page["info"].onClick([&page] {
                page.app().showMessage({"Info-Text", "Veltrano", MessageIcon::Information, {}});
            });
        });
        addWindow("Page2", WindowKind::Page, "Seite 2", [this](Window &page) {
            page.add("back", ControlKind::Button, "&Zurück").onClick([&page] {
                page.app().window("Page1").setShown(true);
                page.app().discard("Page2");
            });
            page.add("open", ControlKind::Button, "Ö&ffnen", {{}, true}).onClick([&page] {
                page.setEnabled(false);
                page.app().window("Dialog").setShown(true);
            });
            page.onClose([this] { closed << "Page2"; });
        });
        addWindow("Dialog", WindowKind::Dialog, "Halterung", [this](Window &dialog) {
            dialog.add("ok", ControlKind::Button, "&OK");
            // Closing answers like a cancel: hide and give the page back.
            dialog.onClose([this, &dialog] {
                closed << "Dialog";
                dialog.setShown(false);
                dialog.app().window("Page2").setEnabled(true);
            });
        });
    }

    void press(const QString &window, const QString &control)
    {
        auto *button = widget<QPushButton>(window, control);
        ASSERT_NE(button, nullptr) << qPrintable(window + '.' + control);
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    QStringList closed;
};

TEST_F(WindowsTest, PagesTakeTurnsInTheMainWindowUnderTheirOwnTitle)
{
    addWizard();
    start("Page1");
    gui::MainWindow &main = frontend.mainWindow();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), "Seite 1");
    EXPECT_TRUE(frontend.isOnScreen("Page1"));

    press("Page1", "next");
    EXPECT_EQ(main.pages().currentWidget(), frontend.windowWidget("Page2"));
    EXPECT_EQ(main.windowTitle(), "Seite 2");
    EXPECT_FALSE(frontend.isOnScreen("Page1"));
    EXPECT_EQ(main.pages().count(), 2) << "a hidden page keeps its widgets";

    app->runUserAction([this] { app->find("Page2")->setTitle("Seite 2 (geändert)"); });
    EXPECT_EQ(main.windowTitle(), "Seite 2 (geändert)");
}

TEST_F(WindowsTest, DiscardFromInsideTheDiscardedPagesOwnButton)
{
    addWizard();
    start("Page1");
    press("Page1", "next");
    const QPointer<QWidget> page2 = frontend.windowWidget("Page2");
    press("Page2", "back");
    EXPECT_EQ(frontend.windowWidget("Page2"), nullptr);
    EXPECT_TRUE(page2.isNull()) << "the discarded page's widgets are freed after the click";
    EXPECT_TRUE(frontend.isOnScreen("Page1"));
    EXPECT_EQ(frontend.mainWindow().windowTitle(), "Seite 1");

    press("Page1", "next");
    EXPECT_TRUE(frontend.isOnScreen("Page2"));
    EXPECT_NE(frontend.widget("Page2", "back"), nullptr);
}

TEST_F(WindowsTest, DialogIsAWindowOfItsOwnAndItsCloseGoesToTheCore)
{
    addWizard();
    start("Page1");
    press("Page1", "next");
    press("Page2", "open");
    auto *dialog = qobject_cast<QDialog *>(frontend.windowWidget("Dialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Halterung");
    EXPECT_FALSE(frontend.windowWidget("Page2")->isEnabled());
    EXPECT_TRUE(frontend.isOnScreen("Page2")) << "the page stays in front of the main window";

    QTest::keyClick(dialog, Qt::Key_Escape);
    settle();
    EXPECT_EQ(closed, QStringList{"Dialog"});
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(frontend.windowWidget("Page2")->isEnabled());

    press("Page2", "open");
    dialog->close();
    EXPECT_EQ(closed, (QStringList{"Dialog", "Dialog"}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(WindowsTest, ClosingTheMainWindowClosesThePageInFront)
{
    addWizard();
    start("Page1");
    press("Page1", "next");
    EXPECT_FALSE(frontend.mainWindow().close()) << "only the core takes the window away";
    EXPECT_EQ(closed, QStringList{"Page2"});

    app->end();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(frontend.mainWindow().isVisible());
}

TEST_F(WindowsTest, MenuItemsAreActionsOfTheirMenuAndMessagesAreRealBoxes)
{
    addWizard();
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget *owner = nullptr;
    frontend.setMessageRunner([&](QMessageBox &box) {
        messages << box.text();
        title = box.windowTitle();
        icon = box.icon();
        owner = box.parentWidget();
    });
    start("Page1");
    auto *menu = frontend.windowWidget("Page1")->findChild<QMenu *>("mnuDatei");
    ASSERT_NE(menu, nullptr);
    QAction *info = frontend.action("Page1", "info");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(menu->actions().contains(info));
    EXPECT_EQ(info->text(), "&Info");

    info->trigger();
    EXPECT_EQ(messages, QStringList{"Info-Text"});
    EXPECT_EQ(title, "Veltrano");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(owner, &frontend.mainWindow());

    Control &infoItem = app->find("Page1")->operator[]("info");
    app->runUserAction([&] { infoItem.setEnabled(false); });
    EXPECT_FALSE(info->isEnabled());
}

} // namespace

} // namespace korvalde::test
