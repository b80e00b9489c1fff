#include "app/windowfactory.h"
#include "sheet/frames.h"
#include "testplatform.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

using namespace korvalde;

namespace {

// The program with page 2 open for one frame, driven through user actions only.
struct Page2 {
    test::TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);

    explicit Page2(const FrameEntry &frame)
    {
        EXPECT_EQ(app->userClick("Form1", QStringLiteral("Option%1").arg(frame.number)), "");
        EXPECT_EQ(app->userClick("Form1", "Command1"), "");
    }
    Window &page() const { return *app->find("Form2"); }
};

} // namespace

// A fresh page 2 shows those options that differ between frames; its pre-selected boxes
// are checked (*) and shown (a hidden one would read !); page 4 hides what the frame
// cannot carry (-) and page 5 may start with the underbarrel mount taken.
TEST(Page2Profile, EachFrameOffersItsOwnOptions)
{
    const std::array<const char *, 14> expected = {
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 modus* modus1* modus2 fraLade "
        "lade* fraLadeArten lade1 lade2* flechette nahkampf",
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 modus* modus1 modus2* modus3 "
        "modus4 fraLade lade* fraLadeArten lade1 lade2* lade3 lade4 fraGewicht fraMehr gewicht gewichtstufe2 gewicht2 "
        "mehr mehrstufe2 mehr2 flechette nahkampf -unterlaufgewicht -vordergriff Check2",
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 rück rück1 modus* modus4* modus5 "
        "modus7 fraGewicht fraMehr gewicht gewichtstufe2 gewicht2 mehr mehrstufe6 mehr6 fraRueckstoss flechette "
        "nahkampf munitionswahl schwer -schall -unterlaufgewicht -vordergriff Check2",
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 rück rück1 modus* modus1 modus2* "
        "modus3 modus4 fraLade lade* fraLadeArten lade1 lade2* lade3 lade4 fraGewicht fraMehr gewicht gewichtstufe6 "
        "gewicht6 mehr mehrstufe4 mehr4 fraRueckstoss flechette nahkampf schwer",
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 rück rück1 rück2 modus* modus3 "
        "modus4* modus5 modus6 modus7 fraGewicht fraMehr gewicht gewichtstufe8 gewicht8 mehr mehrstufe4 mehr4 "
        "fraRueckstoss nahkampf munitionswahl schwer schnell -schall",
        "tarn tarnstufe1 tarnstufe2 powerstufe2 keramik keramikstufe1 rück rück1 rück2 lauf lauf1 lauf2 modus* modus1 "
        "modus2* modus3 modus4 fraLade lade* fraLadeArten lade1 lade2 lade4* muni munistufe fraGewicht fraMehr gewicht "
        "gewichtstufe6 gewicht6 mehr mehrstufe4 mehr4 fraRueckstoss nahkampf munitionswahl bullpup schwer",
        "tarn tarnstufe1 tarnstufe2 powerstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 modus* modus2* "
        "fraLade muni munistufe fraGewicht gewicht gewichtstufe2 gewicht2 nahkampf -schall -ladestreifen -vergrößert "
        "-unterlaufgewicht -vordergriff Check2",
        "tarn tarnstufe1 tarnstufe2 powerstufe2 keramik keramikstufe1 rück rück1 lauf lauf1 lauf2 modus* modus1 "
        "modus2* modus4 fraLade lade* fraLadeArten lade2 lade4* muni munistufe fraGewicht fraMehr gewicht "
        "gewichtstufe6 gewicht6 mehr mehrstufe4 mehr4 fraRueckstoss nahkampf munitionswahl zerlegbar bullpup schwer",
        "tarn tarnstufe1 tarnstufe2 keramik keramikstufe1 rück rück1 rück2 lauf lauf1 lauf2 modus* modus6* fraGewicht "
        "fraMehr gewicht gewichtstufe8 gewicht8 mehr mehrstufe1 mehr1 fraRueckstoss nahkampf munitionswahl zerlegbar "
        "bullpup schwer schnell -schall",
        "powerstufe2 keramik keramikstufe1 keramikstufe2 keramikstufe3 rück rück1 lauf lauf1 lauf2 modus* modus1 "
        "modus2* fraLade lade* fraLadeArten lade2 lade4* muni munistufe fraGewicht fraMehr gewicht gewichtstufe6 "
        "gewicht6 mehr mehrstufe4 mehr4 fraRueckstoss munitionswahl zerlegbar schwer",
        "rück rück1 rück2 modus* modus2 modus3 modus4 modus5* modus6 modus7 fraLade lade* fraLadeArten lade2* lade5 "
        "fraGewicht gewicht gewichtstufe12 gewicht12 fraRueckstoss munitionswahl schwer schnell -schall",
        "rück rück1 rück2 modus* modus7* fraLade lade* fraLadeArten lade2* lade5 fraGewicht gewicht gewichtstufe16 "
        "gewicht16 fraRueckstoss munitionswahl schwer schnell -schall",
        "rück rück1 rück2 modus* modus7* fraLade lade* fraLadeArten lade2* lade5 fraGewicht gewicht gewichtstufe16 "
        "gewicht16 fraRueckstoss munitionswahl schwer schnell -schall",
        "powerstufe2 rück rück1 modus* modus1* fraLade lade* fraLadeArten lade2* lade5 fraGewicht gewicht "
        "gewichtstufe12 gewicht12 fraRueckstoss schwer",
    };
    std::vector<std::unique_ptr<Page2>> runs;
    for (const FrameEntry &frame : frameCatalogue())
        runs.push_back(std::make_unique<Page2>(frame));
    for (size_t i = 0; i < runs.size(); ++i) {
        QStringList seen;
        for (const auto &control : runs[i]->page().controls()) {
            const auto shows = [&](const auto &run) { return run->page()[control->name()].isVisible(); };
            const auto showing = std::count_if(runs.begin(), runs.end(), shows);
            if (control->isChecked() || (showing > 0 && showing < qsizetype(runs.size()) && control->isVisible()))
                seen << control->name() + (control->isChecked() ? "*" : "") + (control->isVisible() ? "" : "!");
        }
        for (const QString name : {"schall", "ladestreifen", "vergrößert", "unterlaufgewicht", "vordergriff"}) {
            if (!runs[i]->app->window("Form4")[name].isVisible())
                seen << "-" + name;
        }
        if (runs[i]->app->window("Form12")["Check2"].isChecked())
            seen << "Check2";
        EXPECT_EQ(seen.join(' ').toStdString(), expected[i]) << "frame " << i + 1;
    }
}

// Pages 3 to 5, reached straight from a fresh page 2: of the controls that differ between
// frames, those shown, marked when disabled (~) or checked (*).
TEST(Page2Profile, EachFrameReachesTheLaterPagesWithItsOwnOffers)
{
    const std::array<const char *, 14> expected = {
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert schulter schall~ vordergriff~ unterlaufgewicht~ "
        "Form12: smartextern~ ultraschall~ laser~ laserziel~ sichtgerät~ entfernungsmesser~",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert schulter schall Form12: smartextern ultraschall "
        "laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert schulter suppressor automodus Form12: smartextern "
        "ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert schulter schall vordergriff unterlaufgewicht Form12: "
        "smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert schulter suppressor automodus vordergriff "
        "unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen~ vergrößert~ hüft schock schall abgesägte zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas~ gas2~ gas3~ gas4~ Form4: Form12: smartextern ultraschall laser laserziel sichtgerät "
        "entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen~ vergrößert~ hüft schock schall zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert suppressor hüft schock zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen~ vergrößert~ hüft schock schall zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert suppressor hüft schock dreibein zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert suppressor hüft schock dreibein zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert suppressor hüft schock dreibein zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
        "Form3: gas gas2 gas3 gas4 Form4: ladestreifen vergrößert hüft schock schall dreibein zweibein vordergriff "
        "unterlaufwaffe unterlaufgewicht Form12: smartextern ultraschall laser laserziel sichtgerät entfernungsmesser",
    };
    std::vector<std::unique_ptr<Page2>> runs;
    for (const FrameEntry &frame : frameCatalogue()) {
        runs.push_back(std::make_unique<Page2>(frame));
        for (const auto &[window, forward] :
             {std::pair{"Form2", "Weiter1"}, {"Form3", "Command2"}, {"Form4", "Command2"}})
            EXPECT_EQ(runs.back()->app->userClick(window, forward), "") << frame.name.toStdString();
    }
    for (size_t i = 0; i < runs.size(); ++i) {
        QStringList seen;
        for (const QString window : {"Form3", "Form4", "Form12"}) {
            seen << window + ":";
            for (const auto &control : runs[i]->app->window(window).controls()) {
                const auto state = [&](const auto &run) {
                    const Control &other = run->app->window(window)[control->name()];
                    return std::tuple(other.isVisible(), other.isEnabled(), other.state());
                };
                const auto same = std::count_if(runs.begin(), runs.end(),
                                                [&](const auto &run) { return state(run) == state(runs[i]); });
                if (same < qsizetype(runs.size()) && control->isVisible())
                    seen << control->name() + (control->isEnabled() ? "" : "~") + (control->isChecked() ? "*" : "");
            }
        }
        EXPECT_EQ(seen.join(' ').toStdString(), expected[i]) << "frame " << i + 1;
    }
    // Every tooltip on the way lists what its box costs, part by part, in the one form the
    // user learns: "Tarnstufe -1, DP +40, Gewicht +0.5 kg".
    static const QRegularExpression cost(
        R"(^(Tarnstufe:?|DP|FKE|Gewicht|Powerniveau|Rückstoßkompensation) (- /)?[+-]?)"
        R"((\d+(\.\d+)?( x Basis-DP des Rahmens)?|Basis-DP des Rahmens)( kg)?( pro (\d )?[a-zA-Zß]+)?$)");
    for (const auto &run : runs) {
        for (const Window *window : run->app->loadedWindows()) {
            for (const auto &control : window->controls()) {
                for (const QString &part : control->toolTip().split(", ", Qt::SkipEmptyParts))
                    EXPECT_TRUE(cost.match(part).hasMatch())
                        << (window->name() + "." + control->name() + ": " + part).toStdString();
            }
        }
    }
}
