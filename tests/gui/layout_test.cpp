// The widgets stand where the controls' placement puts them, every one named after its
// control, with nothing on top of anything else.

#include "germantranslation.h"
#include "guifixture.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>

namespace korvalde::test {

namespace {

class LayoutTest : public GuiFixture {
protected:
    QRect placeOf(const QString &control) const
    {
        QWidget *shown = frontend.widget("Page", control);
        return {shown->mapTo(frontend.windowWidget("Page"), QPoint(0, 0)), shown->size()};
    }
};

TEST_F(LayoutTest, RowsAndFramesFollowThePlacement)
{
    addWindow("Page", WindowKind::Page, "Seite", [](Window &page) {
        page.add("Sheet", ControlKind::Frame, "Werte");
        page.add("lblDp", ControlKind::Label, "DP:", {"Sheet"});
        page.add("dp", ControlKind::TextField, "0", {"Sheet", true});
        page.add("lblFke", ControlKind::Label, "FKE: ", {"Sheet"});
        page.add("fke", ControlKind::TextField, "0", {"Sheet", true});
        page.add("Options", ControlKind::Frame, "Optionen", {{}, true});
        page.add("flechette", ControlKind::CheckBox, "Flechettebeschränkung", {"Options"});
        page.add("back", ControlKind::Button, "&Zurück");
        page.add("next", ControlKind::Button, "&Weiter", {{}, true});
    });
    start("Page");
    EXPECT_EQ(placeOf("lblDp").center().y(), placeOf("dp").center().y());
    EXPECT_GT(placeOf("dp").left(), placeOf("lblDp").right());
    EXPECT_GT(placeOf("lblFke").top(), placeOf("lblDp").bottom());
    EXPECT_EQ(placeOf("dp").left(), placeOf("fke").left()) << "the sheet's fields line up";
    EXPECT_GT(placeOf("Options").left(), placeOf("Sheet").right());
    EXPECT_EQ(placeOf("Options").top(), placeOf("Sheet").top());
    EXPECT_GT(placeOf("back").top(), placeOf("Sheet").bottom());
    EXPECT_EQ(placeOf("next").top(), placeOf("back").top());
    EXPECT_EQ(qobject_cast<QGroupBox *>(frontend.widget("Page", "Sheet"))->title(), "Werte");
    for (const auto &control : app->find("Page")->controls())
        EXPECT_EQ(frontend.widget("Page", control->name())->objectName(), control->name());
}

TEST_F(LayoutTest, LongFrameContinuesInColumnsWithinTheScreenWithoutOverlap)
{
    addWindow("Page", WindowKind::Page, "Seite", [](Window &page) {
        page.add("Options", ControlKind::Frame, "Optionen");
        for (int i = 1; i <= 90; ++i) {
            const bool besideSummary = i % 3 != 1;
            page.add(QStringLiteral("box%1").arg(i), ControlKind::CheckBox,
                     besideSummary ? QStringLiteral("Stufe %1").arg(i) : QStringLiteral("Zusammenfassung %1").arg(i),
                     {"Options", besideSummary});
        }
    });
    start("Page");
    frontend.mainWindow().layout()->activate();
    EXPECT_LE(frontend.mainWindow().sizeHint().height(), 768 - 60);
    EXPECT_GT(placeOf("box88").left(), placeOf("box1").right()) << "the rows go on in a further column";
    std::vector<QRect> places;
    for (int i = 1; i <= 90; ++i)
        places.push_back(placeOf(QStringLiteral("box%1").arg(i)));
    for (size_t a = 0; a < places.size(); ++a) {
        for (size_t b = a + 1; b < places.size(); ++b)
            EXPECT_FALSE(places[a].intersects(places[b])) << "box" << a + 1 << " and box" << b + 1;
    }
}

TEST_F(LayoutTest, HiddenFrameHidesItsContentWhichKeepsItsOwnFlag)
{
    addWindow("Page", WindowKind::Page, "Seite", [](Window &page) {
        page.add("group", ControlKind::Frame, "Gruppe");
        page.add("inner", ControlKind::CheckBox, "Innen", {"group"});
        page.add("flag", ControlKind::CheckBox, "Merker").setVisible(false);
    });
    start("Page");
    QWidget *page = frontend.windowWidget("Page");
    EXPECT_FALSE(frontend.widget("Page", "flag")->isVisibleTo(page));
    Control &group = app->find("Page")->operator[]("group");
    app->runUserAction([&] { group.setVisible(false); });
    EXPECT_FALSE(frontend.widget("Page", "inner")->isVisibleTo(page));
    EXPECT_FALSE(frontend.widget("Page", "inner")->isHidden());
    app->runUserAction([&] { group.setVisible(true); });
    EXPECT_TRUE(frontend.widget("Page", "inner")->isVisibleTo(page));
}

TEST(GermanTranslationTest, QtsOwnButtonsSpeakGerman)
{
    gui::installGermanTranslation(*QCoreApplication::instance());
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove('&'), "Speichern");
}

} // namespace

} // namespace korvalde::test
