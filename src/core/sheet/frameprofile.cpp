#include "sheet/frameprofile.h"

#include "sheet/firemodes.h"
#include "sheet/mounts.h"

#include <QRegularExpression>

#include <array>

namespace korvalde {

namespace {

// clang-format off
const std::array<FrameProfile, 14> kProfiles = {{
    {
        .frame = "Holdout Pistole",
        .pwn = "4",
        .snw = "L",
        .pwr = fire::single.text,
        .trn = "9",
        .gew = "0,5",
        .capacity = "4",
        .lmm = "Streifen",
        .hlt = "-",
        .hlt2 = "",
        .hlt3 = "",
        .takesStartFke = false,
        .preselected = {"lade2", "modus1"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus1", "modus2", "lade1", "lade2", "keramikstufe1", "keramikstufe2", "keramikstufe3", "flechette", "größe", "nahkampf"},
        .weightSteps = "",
        .fkeSteps = "",
        .shownOnPage4 = {"schulter"},
        .disabledOnPage4 = {"unterlaufgewicht", "schall", "vordergriff"},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Leichte Pistole",
        .pwn = "6",
        .snw = "L",
        .pwr = fire::semiAutomatic.text,
        .trn = "7",
        .gew = "1,25",
        .capacity = "12",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = "",
        .takesStartFke = false,
        .preselected = {"lade2", "modus2"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus1", "modus2", "modus3", "modus4", "lade1", "lade2", "lade3", "lade4", "keramikstufe1", "keramikstufe2", "keramikstufe3", "flechette", "größe", "nahkampf"},
        .weightSteps = "gewichtstufe2",
        .fkeSteps = "mehrstufe2",
        .shownOnPage4 = {"schulter"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {"unterlaufgewicht", "vordergriff"},
    },
    {
        .frame = "Automatische Pistole",
        .pwn = "6",
        .snw = "L",
        .pwr = fire::semiAndBurst.text,
        .trn = "6",
        .gew = "3",
        .capacity = "30",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = "",
        .takesStartFke = true,
        .preselected = {"modus4"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus4", "modus5", "modus7", "keramikstufe1", "keramikstufe2", "keramikstufe3", "rück1", "munitionswahl", "flechette", "größe", "nahkampf", "schwer"},
        .weightSteps = "gewichtstufe2",
        .fkeSteps = "mehrstufe6",
        .shownOnPage4 = {"automodus", "schulter", "suppressor"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {"unterlaufgewicht", "vordergriff"},
    },
    {
        .frame = "Schwere Pistole",
        .pwn = "9",
        .snw = "M",
        .pwr = fire::semiAutomatic.text,
        .trn = "6",
        .gew = "2,75",
        .capacity = "10",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = false,
        .preselected = {"lade2", "modus2"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus1", "modus2", "modus3", "modus4", "lade1", "lade2", "lade3", "lade4", "keramikstufe1", "keramikstufe2", "keramikstufe3", "rück1", "flechette", "größe", "nahkampf", "schwer"},
        .weightSteps = "gewichtstufe6",
        .fkeSteps = "mehrstufe4",
        .shownOnPage4 = {"schulter"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Maschinenpistole",
        .pwn = "6",
        .snw = "M",
        .pwr = "",
        .trn = "4",
        .gew = "3,5",
        .capacity = "20",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = true,
        .preselected = {"modus4"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus3", "modus4", "modus5", "modus6", "modus7", "keramikstufe1", "keramikstufe2", "keramikstufe3", "rück1", "rück2", "munitionswahl", "größe", "nahkampf", "schwer", "schnell"},
        .weightSteps = "gewichtstufe8",
        .fkeSteps = "mehrstufe4",
        .shownOnPage4 = {"automodus", "schulter", "suppressor"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Schrotflinte",
        .pwn = "8",
        .snw = "S",
        .pwr = fire::semiAutomatic.text,
        .trn = "3",
        .gew = "4,5",
        .capacity = "5",
        .lmm = "Magazin",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = false,
        .preselected = {"modus2", "lade4"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "powerstufe2", "modus1", "modus2", "modus3", "modus4", "lade1", "lade2", "lade4", "keramikstufe1", "rück1", "rück2", "lauf1", "lauf2", "munistufe", "munitionswahl", "größe", "nahkampf", "bullpup", "schwer"},
        .weightSteps = "gewichtstufe6",
        .fkeSteps = "mehrstufe4",
        .shownOnPage4 = {"abgesägte", "zweibein", "schock", "hüft", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Taser",
        .pwn = "10",
        .snw = "S-Bet.",
        .pwr = fire::semiAutomatic.text,
        .trn = "5",
        .gew = "2,5",
        .capacity = "3",
        .lmm = "Magazin",
        .hlt = "",
        .hlt2 = kTopMount.freeText,
        .hlt3 = "",
        .takesStartFke = false,
        .preselected = {"modus2"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "powerstufe2", "modus2", "keramikstufe1", "keramikstufe2", "keramikstufe3", "munistufe", "größe", "nahkampf"},
        .weightSteps = "gewichtstufe2",
        .fkeSteps = "",
        .shownOnPage4 = {},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {"ladestreifen", "vergrößert", "schall", "unterlaufgewicht", "vordergriff"},
    },
    {
        .frame = "Sportgewehr",
        .pwn = "7",
        .snw = "S",
        .pwr = fire::semiAutomatic.text,
        .trn = "2",
        .gew = "4,5",
        .capacity = "5",
        .lmm = "Magazin",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = false,
        .preselected = {"modus2", "lade4"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "powerstufe2", "modus1", "modus2", "modus4", "lade2", "lade4", "keramikstufe1", "rück1", "lauf1", "lauf2", "munistufe", "munitionswahl", "größe", "nahkampf", "bullpup", "schwer", "zerlegbar"},
        .weightSteps = "gewichtstufe6",
        .fkeSteps = "mehrstufe4",
        .shownOnPage4 = {"zweibein", "schock", "hüft", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Sturmgewehr",
        .pwn = "8",
        .snw = "M",
        .pwr = fire::semiBurstAndFull.text,
        .trn = "3",
        .gew = "5",
        .capacity = "30",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = true,
        .preselected = {"modus", "modus6"},
        .page2Options = {"tarnstufe1", "tarnstufe2", "powerstufe1", "modus6", "keramikstufe1", "rück1", "rück2", "lauf1", "lauf2", "munitionswahl", "größe", "nahkampf", "bullpup", "schwer", "schnell", "zerlegbar"},
        .weightSteps = "gewichtstufe8",
        .fkeSteps = "mehrstufe1",
        .shownOnPage4 = {"zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Scharfschützengewehr",
        .pwn = "14",
        .snw = "S",
        .pwr = fire::semiAutomatic.text,
        .trn = "0",
        .gew = "6",
        .capacity = "6",
        .lmm = "Magazin",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = false,
        .preselected = {"modus2", "lade4"},
        .page2Options = {"powerstufe1", "powerstufe2", "modus1", "modus2", "lade2", "lade4", "keramikstufe1", "keramikstufe2", "keramikstufe3", "rück1", "lauf1", "lauf2", "munistufe", "munitionswahl", "größe", "schwer", "zerlegbar"},
        .weightSteps = "gewichtstufe6",
        .fkeSteps = "mehrstufe4",
        .shownOnPage4 = {"zweibein", "schock", "hüft", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "LMG",
        .pwn = "7",
        .snw = "S",
        .pwr = fire::burstAndFull.text,
        .trn = "1",
        .gew = "11",
        .capacity = "40",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = true,
        .preselected = {"modus5", "lade2"},
        .page2Options = {"powerstufe1", "modus2", "modus3", "modus4", "modus5", "modus6", "modus7", "lade2", "lade5", "rück1", "rück2", "munitionswahl", "größe", "schwer", "schnell"},
        .weightSteps = "gewichtstufe12",
        .fkeSteps = "",
        .shownOnPage4 = {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "MMG",
        .pwn = "9",
        .snw = "S",
        .pwr = fire::fullAutomatic.text,
        .trn = "1",
        .gew = "14,5",
        .capacity = "30",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = true,
        .preselected = {"modus7", "modus", "lade2"},
        .page2Options = {"powerstufe1", "modus7", "lade2", "lade5", "rück1", "rück2", "munitionswahl", "größe", "schwer", "schnell"},
        .weightSteps = "gewichtstufe16",
        .fkeSteps = "",
        .shownOnPage4 = {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "SMG",
        .pwn = "10",
        .snw = "S",
        .pwr = fire::fullAutomatic.text,
        .trn = "1",
        .gew = "17,5",
        .capacity = "30",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = true,
        .preselected = {"modus7", "modus", "lade2"},
        .page2Options = {"powerstufe1", "modus7", "lade2", "lade5", "rück1", "rück2", "munitionswahl", "größe", "schwer", "schnell"},
        .weightSteps = "gewichtstufe16",
        .fkeSteps = "",
        .shownOnPage4 = {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
    {
        .frame = "Sturmkanone",
        .pwn = "18",
        .snw = "T",
        .pwr = fire::single.text,
        .trn = "1",
        .gew = "22",
        .capacity = "20",
        .lmm = "Streifen",
        .hlt = kBarrelMount.freeText,
        .hlt2 = kTopMount.freeText,
        .hlt3 = kUnderbarrelMount.freeText,
        .takesStartFke = false,
        .preselected = {"modus", "modus1", "lade2"},
        .page2Options = {"powerstufe1", "powerstufe2", "modus1", "lade2", "lade5", "rück1", "größe", "schwer"},
        .weightSteps = "gewichtstufe12",
        .fkeSteps = "",
        .shownOnPage4 = {"dreibein", "zweibein", "schock", "hüft", "unterlaufwaffe"},
        .disabledOnPage4 = {},
        .hiddenOnPage4 = {},
    },
}};
// clang-format on

// The summary box of a group is named like its members without their number and "stufe":
// `tarnstufe1` belongs to `tarn`, `lade2` to `lade`, `munistufe` to `muni`, `mehrstufe4`
// to `mehr`. A single box has no summary box.
QString summaryBoxOf(const QString &control)
{
    static const QRegularExpression memberSuffix(QStringLiteral("(stufe)?\\d*$"));
    QString summary = control;
    summary.remove(memberSuffix);
    return summary == control ? QString() : summary;
}

void addOnce(QStringList &controls, const QString &control)
{
    if (!control.isEmpty() && !controls.contains(control))
        controls << control;
}

} // namespace

const FrameProfile *frameProfile(const QString &frame)
{
    for (const FrameProfile &profile : kProfiles) {
        if (profile.frame == frame)
            return &profile;
    }
    return nullptr;
}

QStringList offeredControls(const FrameProfile &profile)
{
    QStringList controls;
    for (const QString &option : profile.page2Options) {
        addOnce(controls, summaryBoxOf(option));
        controls << option;
    }
    for (const QString &stepList : {profile.weightSteps, profile.fkeSteps}) {
        if (stepList.isEmpty())
            continue;
        addOnce(controls, summaryBoxOf(stepList));
        controls << stepList << stepLimitLabel(stepList);
    }
    return controls;
}

QString stepLimitLabel(const QString &stepList)
{
    return QString(stepList).remove(QStringLiteral("stufe"));
}

bool mountsAccessories(const FrameProfile &profile)
{
    return !profile.hlt2.isEmpty() || !profile.hlt3.isEmpty();
}

bool underbarrelTaken(const FrameProfile &profile)
{
    return mountsAccessories(profile) && profile.hlt3.isEmpty();
}

bool takesGasVent(const FrameProfile &profile)
{
    return !profile.hlt.isEmpty();
}

} // namespace korvalde
