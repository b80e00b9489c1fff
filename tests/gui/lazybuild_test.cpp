// A window's widgets are built when it is first needed, from the core's state then, and
// a click that changes many widgets leaves its page laid out when it returns.

#include "guifixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace korvalde::test {

namespace {

class LazyBuildTest : public GuiFixture {
protected:
    // Page1's "next" loads Page2 and Page3 in the background and changes them there;
    // only Page2 is shown. The dialog is loaded too, but not opened.
    void addPages()
    {
        addWindow("Page1", WindowKind::Page, "Seite 1", [](Window &page) {
            page.add("next", ControlKind::Button, "&Weiter").onClick([&page] {
                Window &hidden = page.app().window("Page3");
                hidden["field"].setText("geändert im Hintergrund");
                hidden["box"].setChecked(true);
                hidden["extra"].setVisible(true);
                hidden["list"].setItems({"A", "B", "C"});
                hidden["list"].setText("B");
                page.app().window("Dialog");
                page.app().window("Page2").setShown(true);
                page.setShown(false);
            });
        });
        addWindow("Page2", WindowKind::Page, "Seite 2",
                  [](Window &page) { page.add("back", ControlKind::Button, "&Zurück"); });
        addWindow("Page3", WindowKind::Page, "Seite 3", [](Window &page) {
            page.add("field", ControlKind::TextField, "anfangs");
            page.add("box", ControlKind::CheckBox, "Box");
            page.add("extra", ControlKind::CheckBox, "Extra").setVisible(false);
            page.add("list", ControlKind::ComboBox, "");
        });
        addWindow("Dialog", WindowKind::Dialog, "Halterung", [](Window &dialog) {
            dialog.add("cancel", ControlKind::Button, "Abbrechen");
            dialog.add("ok", ControlKind::Button, "&OK", {{}, true});
        });
    }

    int widgetsIn(const QString &window) const
    {
        return static_cast<int>(frontend.windowWidget(window)->findChildren<QWidget *>().size());
    }
};

TEST_F(LazyBuildTest, HiddenWindowGetsItsWidgetsWhenAskedForWithTheCoresStateThen)
{
    addPages();
    start("Page1");
    auto *next = widget<QPushButton>("Page1", "next");
    QTest::mouseClick(next, Qt::LeftButton);
    settle();
    ASSERT_NE(frontend.windowWidget("Page3"), nullptr) << "the page is loaded";
    EXPECT_EQ(widgetsIn("Page3"), 0) << "nothing is built for a page nobody has seen";
    EXPECT_FALSE(frontend.isOnScreen("Page3"));

    EXPECT_EQ(widget<QLineEdit>("Page3", "field")->text(), "geändert im Hintergrund");
    EXPECT_GT(widgetsIn("Page3"), 0);
    EXPECT_EQ(widget<QCheckBox>("Page3", "box")->checkState(), Qt::Checked);
    QWidget *page3 = frontend.windowWidget("Page3");
    EXPECT_TRUE(widget<QCheckBox>("Page3", "extra")->isVisibleTo(page3));
    auto *list = widget<QComboBox>("Page3", "list");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "B");

    // Once built, the widgets follow every later change.
    app->runUserAction([&] { app->find("Page3")->operator[]("extra").setVisible(false); });
    EXPECT_FALSE(widget<QCheckBox>("Page3", "extra")->isVisibleTo(page3));
}

TEST_F(LazyBuildTest, ShownPageAndDialogAreBuiltAndTheDialogsOkIsTheDefault)
{
    addPages();
    start("Page1");
    QTest::mouseClick(widget<QPushButton>("Page1", "next"), Qt::LeftButton);
    settle();
    EXPECT_GT(widgetsIn("Page2"), 0) << "a page is built when it comes to the front";
    ASSERT_NE(frontend.windowWidget("Dialog"), nullptr);
    EXPECT_EQ(widgetsIn("Dialog"), 1) << "an unopened dialog holds only its empty content";

    app->runUserAction([&] { app->window("Dialog").setShown(true); });
    ASSERT_TRUE(frontend.isOnScreen("Dialog"));
    auto *ok = widget<QPushButton>("Dialog", "ok");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(widget<QPushButton>("Dialog", "cancel")->isDefault());
}

// A click that shows a dozen options: when it returns every widget has its place already,
// before any further event, so nothing is painted half laid out.
TEST_F(LazyBuildTest, ClickThatShowsManyOptionsLeavesThePageLaidOut)
{
    constexpr int kOptions = 12;
    addWindow("Page", WindowKind::Page, "Seite", [](Window &page) {
        page.add("Options", ControlKind::Frame, "Optionen");
        Control &more = page.add("more", ControlKind::CheckBox, "Mehr", {"Options"});
        page.add("Inner", ControlKind::Frame, "Weitere", {"Options"}).setVisible(false);
        for (int i = 1; i <= kOptions; ++i)
            page.add(QStringLiteral("option%1").arg(i), ControlKind::CheckBox, QStringLiteral("Option %1").arg(i),
                     {"Inner"})
                .setVisible(false);
        page.add("after", ControlKind::CheckBox, "Danach", {"Options"});
        more.onClick([&page, &more] {
            page["Inner"].setVisible(more.isChecked());
            for (int i = 1; i <= kOptions; ++i)
                page[QStringLiteral("option%1").arg(i)].setVisible(more.isChecked());
        });
    });
    start("Page");
    frontend.mainWindow().layout()->activate();
    auto *more = widget<QCheckBox>("Page", "more");
    QTest::mouseClick(more, Qt::LeftButton, {}, {more->sizeHint().width() / 2, more->height() / 2});

    QWidget *page = frontend.windowWidget("Page");
    const auto placeOf = [&](const QString &name) {
        QWidget *shown = frontend.widget("Page", name);
        return QRect(shown->mapTo(page, QPoint(0, 0)), shown->size());
    };
    const QRect inner = placeOf("Inner");
    for (int i = 1; i <= kOptions; ++i) {
        const QRect option = placeOf(QStringLiteral("option%1").arg(i));
        EXPECT_TRUE(inner.contains(option)) << "option" << i << " outside its frame";
        EXPECT_GE(option.height(), frontend.widget("Page", "more")->minimumSizeHint().height()) << "option" << i;
        if (i > 1) {
            EXPECT_GT(option.top(), placeOf(QStringLiteral("option%1").arg(i - 1)).top()) << "option" << i;
        }
    }
    EXPECT_GT(placeOf("after").top(), inner.bottom()) << "the later box moved below the shown ones";
    EXPECT_TRUE(placeOf("Options").contains(placeOf("after")));
    EXPECT_LE(page->height(), frontend.mainWindow().height());
    EXPECT_GE(frontend.mainWindow().height(), frontend.mainWindow().minimumSizeHint().height());
}

} // namespace

} // namespace korvalde::test
