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

// Page 2 opens for a frame with its own options: what the frame starts with is checked and
// in sight, every option in sight is there to be used, and a group shows its summary box
// exactly while one of its choices shows.
TEST(FrameOffers, Page2ShowsWhatItOffersAndWhatTheFrameStartsWith)
{
    const std::vector<std::pair<QString, QStringList>> groups = {
        {"tarn", {"tarnstufe1", "tarnstufe2"}},
        {"power", {"powerstufe1", "powerstufe2"}},
        {"keramik", {"keramikstufe1", "keramikstufe2", "keramikstufe3"}},
        {"rück", {"rück1", "rück2", "rück3"}},
        {"lauf", {"lauf1", "lauf2"}},
        {"lade", {"lade1", "lade2", "lade3", "lade4", "lade5"}},
        {"gewicht", {"gewichtstufe2", "gewichtstufe6", "gewichtstufe8", "gewichtstufe12", "gewichtstufe16"}},
        {"mehr", {"mehrstufe1", "mehrstufe2", "mehrstufe4", "mehrstufe6"}},
        {"muni", {"munistufe"}},
    };
    for (const auto &run : everyFrame()) {
        const Window &page = run->page();
        for (const auto &control : page.controls()) {
            if (control->isChecked()) {
                EXPECT_TRUE(control->isVisible()) << qPrintable(run->name() + ": " + control->name());
            }
        }
        // Every frame has a fire mode and a power level to raise, and can be resized.
        for (const char *always : {"modus", "powerstufe1", "größe"})
            EXPECT_TRUE(page[always].isVisible()) << qPrintable(run->name()) << ' ' << always;
        for (const auto &[summary, members] : groups) {
            const bool memberShown =
                std::any_of(members.begin(), members.end(), [&](const QString &m) { return page[m].isVisible(); });
            EXPECT_EQ(page[summary].isVisible(), memberShown) << qPrintable(run->name() + ": " + summary);
        }
        // At most one step list per option, each with the label that names its maximum.
        for (const char *prefix : {"gewicht", "mehr"}) {
            int lists = 0;
            for (const auto &control : page.controls()) {
                const QString name = control->name();
                if (!name.startsWith(QLatin1String(prefix) + "stufe") || !control->isVisible())
                    continue;
                ++lists;
                EXPECT_TRUE(page[QString(name).remove("stufe")].isVisible()) << qPrintable(run->name() + ": " + name);
            }
            EXPECT_LE(lists, 1) << qPrintable(run->name()) << ' ' << prefix;
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
