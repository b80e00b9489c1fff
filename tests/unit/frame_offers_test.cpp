#include "app/windowfactory.h"
#include "sheet/frames.h"
#include "testplatform.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace korvalde;

namespace {

// The program with page 2 open for one frame, driven through user actions only.
struct Page2 {
    test::TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    const FrameEntry &frame;

    explicit Page2(const FrameEntry &chosen) : frame(chosen)
    {
        EXPECT_EQ(app->userClick("Form1", QStringLiteral("Option%1").arg(frame.number)), "");
        EXPECT_EQ(app->userClick("Form1", "Command1"), "");
    }
    Window &page() const { return *app->find("Form2"); }
    QString name() const { return frame.name; }
    bool shows(const QString &window, const QString &control) const { return app->window(window)[control].isVisible(); }
    bool offers(const QString &window, const QString &control) const
    {
        const Control &box = app->window(window)[control];
        return box.isVisible() && box.isEnabled();
    }
    void goForward(const QString &window, const QString &forward) const
    {
        EXPECT_EQ(app->userClick(window, forward), "") << qPrintable(name());
    }
};

std::vector<std::unique_ptr<Page2>> everyFrame()
{
    std::vector<std::unique_ptr<Page2>> runs;
    for (const FrameEntry &frame : frameCatalogue())
        runs.push_back(std::make_unique<Page2>(frame));
    return runs;
}

} // namespace

// Page 2 opens for a frame with exactly the options the rules give it, each with its
// caption (a step list with the label naming its maximum), and what the frame starts with
// is checked and in sight. The table runs the other way round from the frames' records:
// one row per control, one column per frame in catalogue order.
TEST(FrameOffers, Page2ShowsTheOptionsTheRulesGiveEachFrame)
{
    struct Offer {
        const char *frames; // 'x' where frame 1, 2, ... shows the control
        const char *control;
        const char *label;
        const char *caption; // "" where the control has none to check
    };
    // clang-format off
    const Offer offers[] = {
        {"xxxxxxxxx.....", "tarn", "", "Erhöhte Tarnstufe "},
        {"xxxxxxxxx.....", "tarnstufe1", "", "Stufe 1"},
        {"xxxxxxxxx.....", "tarnstufe2", "", "Stufe 2"},
        {"xxxxxxxxxxxxxx", "power", "", "Erhöhtes Powerniveau "},
        {"xxxxxxxxxxxxxx", "powerstufe1", "", "Stufe 1"},
        {".....xxx.x...x", "powerstufe2", "", "Stufe 2"},
        {"xxxxxxxxxxxxxx", "modus", "", "Feuermodus "},
        {"xx.x.x.x.x...x", "modus1", "", "EM"},
        {"xx.x.xxx.xx...", "modus2", "", "HM"},
        {".x.xxx....x...", "modus3", "", "SM"},
        {".xxxxx.x..x...", "modus4", "", "HM/SM"},
        {"..x.x.....x...", "modus5", "", "SM/AM"},
        {"....x...x.x...", "modus6", "", "HM/SM/AM"},
        {"..x.x.....xxx.", "modus7", "", "AM"},
        {"xx.x.x.x.xxxxx", "lade", "", "Lademechanismus "},
        {"xx.x.x........", "lade1", "", "Klapp"},
        {"xx.x.x.x.xxxxx", "lade2", "", "Streifen"},
        {".x.x..........", "lade3", "", "Trommel"},
        {".x.x.x.x.x....", "lade4", "", "Magazin"},
        {"..........xxxx", "lade5", "", ""},
        {"xxxxxxxxxx....", "keramik", "", "Keramikkomponenten"},
        {"xxxxxxxxxx....", "keramikstufe1", "", "Stufe 1"},
        {"xxxxx.x..x....", "keramikstufe2", "", "Stufe 2"},
        {"xxxxx.x..x....", "keramikstufe3", "", "Stufe 3"},
        {"..xxxx.xxxxxxx", "rück", "", "Rückstoßkompensation"},
        {"..xxxx.xxxxxxx", "rück1", "", "Stufe 1"},
        {"....xx..x.xxx.", "rück2", "", "Stufe 2"},
        {".....x.xxx....", "lauf", "", "Laufverlängerung / -verkürzung"},
        {".....x.xxx....", "lauf1", "", "Verlängerung"},
        {".....x.xxx....", "lauf2", "", "Verkürzung"},
        {".xxxxx.xxx....", "mehr", "", "Erhöhte FKE"},
        {"........x.....", "mehrstufe1", "mehr1", "(bis 1 Stufe)"},
        {".x............", "mehrstufe2", "mehr2", "(bis 2 Stufen)"},
        {"...xxx.x.x....", "mehrstufe4", "mehr4", "(bis 4 Stufen)"},
        {"..x...........", "mehrstufe6", "mehr6", "(bis 6 Stufen)"},
        {".xxxxxxxxxxxxx", "gewicht", "", "Gewichtsreduzierung "},
        {".xx...x.......", "gewichtstufe2", "gewicht2", "(bis zu 2 Stufen)"},
        {"...x.x.x.x....", "gewichtstufe6", "gewicht6", "(bis zu 6 Stufen)"},
        {"....x...x.....", "gewichtstufe8", "gewicht8", "(bis zu 8 Stufen)"},
        {"..........x..x", "gewichtstufe12", "gewicht12", "(bis zu 12 Stufen)"},
        {"...........xx.", "gewichtstufe16", "gewicht16", "(bis zu 16 Stufen)"},
        {".....xxx.x....", "muni", "", "Erhöhte Munikapazität (max. 10 Schuß / 7 Schuß bei Revolver)"},
        {".....xxx.x....", "munistufe", "", ""},
        {"..x.xx.xxxxxx.", "munitionswahl", "", "Munitionswahl"},
        {"xxxx..........", "flechette", "", "Flechettebeschränkung"},
        {"xxxxxxxxxxxxxx", "größe", "", "Größenanpassung"},
        {"xxxxxxxxx.....", "nahkampf", "", "Nahkampfverstärkung"},
        {".....x.xx.....", "bullpup", "", " Bullpup - Design (bietet 1 Punkt Rückstoßdämpfung)"},
        {"..xxxx.xxxxxxx", "schwer", "", "Schwerer Lauf (bietet 1 Punkt Rückstoßdämpfung)"},
        {"....x...x.xxx.", "schnell", "", "Schnellfeuer (erhöht max. Rückstoßkompensation um 1)"},
        {".......xxx....", "zerlegbar", "", "Zerlegbar"},
    };
    // clang-format on
    for (const auto &run : everyFrame()) {
        const Window &page = run->page();
        const int column = run->frame.number - 1;
        for (const Offer &offer : offers) {
            const bool shown = offer.frames[column] == 'x';
            const QString where = run->name() + ": " + offer.control;
            EXPECT_EQ(page[offer.control].isVisible(), shown) << qPrintable(where);
            if (*offer.label != '\0') {
                EXPECT_EQ(page[offer.label].isVisible(), shown) << qPrintable(where);
                EXPECT_EQ(page[offer.label].text(), offer.caption) << qPrintable(where);
                // A step list offers "01" up to the steps its name gives; the longest
                // weight list starts on its maximum, every other on "0".
                const int steps = QString(offer.control).remove(QRegularExpression("^\\D+")).toInt();
                QStringList entries;
                for (int step = 1; step <= steps; ++step)
                    entries << QStringLiteral("%1").arg(step, 2, 10, QChar('0'));
                EXPECT_EQ(page[offer.control].items(), entries) << qPrintable(where);
                EXPECT_EQ(page[offer.control].text(), steps == 16 ? "16 Stufen" : "0") << qPrintable(where);
            } else if (*offer.caption != '\0') {
                EXPECT_EQ(page[offer.control].text(), offer.caption) << qPrintable(where);
            }
        }
        for (const auto &control : page.controls()) {
            if (control->isChecked()) {
                EXPECT_TRUE(control->isVisible()) << qPrintable(run->name() + ": " + control->name());
            }
        }
    }
}

// What a frame can carry follows from the mounts page 2 shows for it: the gas vents and a
// silencer need the barrel mount, the underbarrel weight and the foregrip the underbarrel
// mount, page 5's accessories the top or the underbarrel mount, and a frame
// with a top mount but no underbarrel mount has the underbarrel taken from the start, so
// no mount dialog offers it. The same holds for a page 5 built again after a back step.
TEST(FrameOffers, TheMountsOnPage2DecideWhatLaterPagesOffer)
{
    for (const auto &run : everyFrame()) {
        const Window &page2 = run->page();
        const bool barrel = !page2["hlt"].text().isEmpty();
        const bool top = !page2["hlt2"].text().isEmpty();
        const bool underbarrel = !page2["hlt3"].text().isEmpty();
        run->goForward("Form2", "Weiter1");
        for (const char *vent : {"gas", "gas2", "gas3", "gas4"})
            EXPECT_EQ(run->offers("Form3", vent), barrel) << qPrintable(run->name()) << ' ' << vent;
        run->goForward("Form3", "Command2");
        // The underbarrel weight and the foregrip need the underbarrel mount, a silencer
        // the barrel mount.
        for (const char *box : {"unterlaufgewicht", "vordergriff"})
            EXPECT_EQ(run->offers("Form4", box), underbarrel) << qPrintable(run->name()) << ' ' << box;
        if (!barrel) {
            EXPECT_FALSE(run->offers("Form4", "schall")) << qPrintable(run->name());
        }
        run->goForward("Form4", "Command2");
        for (int visit = 0; visit < 2; ++visit) {
            const QString when = run->name() + (visit == 0 ? "" : " after going back");
            for (const char *accessory : {"smartextern", "ultraschall", "laser", "laserziel", "sichtgerät"})
                EXPECT_EQ(run->offers("Form12", accessory), top || underbarrel) << qPrintable(when) << ' ' << accessory;
            EXPECT_EQ(run->app->window("Form12")["Check2"].isChecked(), top && !underbarrel) << qPrintable(when);
            run->goForward("Form12", "Zurück");
            run->goForward("Form4", "Command2");
        }
    }
}

// Every tooltip on the way lists what its box costs, part by part, in the one form the
// user learns: "Tarnstufe -1, DP +40, Gewicht +0.5 kg".
TEST(FrameOffers, EveryTooltipNamesItsCostsInOneForm)
{
    static const QRegularExpression cost(
        R"(^(Tarnstufe:?|DP|FKE|Gewicht|Powerniveau|Rückstoßkompensation) (- /)?[+-]?)"
        R"((\d+(\.\d+)?( x Basis-DP des Rahmens)?|Basis-DP des Rahmens)( kg)?( pro (\d )?[a-zA-Zß]+)?$)");
    for (const auto &run : everyFrame()) {
        for (const auto &[window, forward] :
             {std::pair{"Form2", "Weiter1"}, {"Form3", "Command2"}, {"Form4", "Command2"}})
            run->goForward(window, forward);
        for (const Window *window : run->app->loadedWindows()) {
            for (const auto &control : window->controls()) {
                for (const QString &part : control->toolTip().split(", ", Qt::SkipEmptyParts))
                    EXPECT_TRUE(cost.match(part).hasMatch())
                        << (window->name() + "." + control->name() + ": " + part).toStdString();
            }
        }
    }
}
