#include "sheet/frameprofile.h"

#include "sheet/frames.h"

#include <algorithm>
#include <array>
#include <vector>

namespace korvalde {

namespace {

const std::array<FrameProfile, 14> kProfiles = {{
    // clang-format off
    // frame                  pwn   snw       pwr         trn  gew     cap   lmm         hlt     hlt2           hlt3
    // takesStartFke, preselected, weightCombo, fkeCombo, hiddenOnPage4, underbarrelTaken
    // shownOnPage4, disabledOnPage4[, takesGasVent, mountsAccessories]
    {"Holdout Pistole",       "4",  "L",      "EM",       "9", "0,5",  "4",  "Streifen", "-",    "",            "",
     false, {"lade2", "modus1"},          "",               "",           {}, false,
     {"schulter"}, {"unterlaufgewicht", "schall", "vordergriff"}, true, false},
    {"Leichte Pistole",       "6",  "L",      "HM",       "7", "1,25", "12", "Streifen", "Lauf", "Aufmontiert", "",
     false, {"lade2", "modus2"},          "gewichtstufe2",  "mehrstufe2", {"unterlaufgewicht", "vordergriff"}, true,
     {"schulter"}, {}},
    {"Automatische Pistole",  "6",  "L",      "HM/SM",    "6", "3",    "30", "Streifen", "Lauf", "Aufmontiert", "",
     true,  {"modus4"},                   "gewichtstufe2",  "mehrstufe6", {"unterlaufgewicht", "vordergriff"}, true,
     {"automodus", "schulter", "suppressor"}, {}},
    {"Schwere Pistole",       "9",  "M",      "HM",       "6", "2,75", "10", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     false, {"lade2", "modus2"},          "gewichtstufe6",  "mehrstufe4", {}, false,
     {"schulter"}, {}},
    {"Maschinenpistole",      "6",  "M",      "",         "4", "3,5",  "20", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     true,  {"modus4"},                   "gewichtstufe8",  "mehrstufe4", {}, false,
     {"automodus", "schulter", "suppressor"}, {}},
    {"Schrotflinte",          "8",  "S",      "HM",       "3", "4,5",  "5",  "Magazin",  "Lauf", "Aufmontiert", "Unterlauf",
     false, {"modus2", "lade4"},          "gewichtstufe6",  "mehrstufe4", {}, false,
     {"abgesägte", "zweibein", "schock", "hüft", "unterlaufwaffe"}, {}},
    {"Taser",                 "10", "S-Bet.", "HM",       "5", "2,5",  "3",  "Magazin",  "",     "Aufmontiert", "",
     false, {"modus2"},                   "gewichtstufe2",  "mehrstufe2",
     {"ladestreifen", "vergrößert", "schall", "unterlaufgewicht", "vordergriff"}, true,
     {}, {}, false},
    {"Sportgewehr",           "7",  "S",      "HM",       "2", "4,5",  "5",  "Magazin",  "Lauf", "Aufmontiert", "Unterlauf",
     false, {"modus2", "lade4"},          "gewichtstufe6",  "mehrstufe4", {}, false,
     {"zweibein", "schock", "hüft", "unterlaufwaffe"}, {}},
    {"Sturmgewehr",           "8",  "M",      "HM/SM/AM", "3", "5",    "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     true,  {"modus", "modus6"},          "gewichtstufe8",  "mehrstufe1", {}, false,
     {"zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"}, {}},
    {"Scharfschützengewehr",  "14", "S",      "HM",       "0", "6",    "6",  "Magazin",  "Lauf", "Aufmontiert", "Unterlauf",
     false, {"modus2", "lade4"},          "gewichtstufe6",  "mehrstufe4", {}, false,
     {"zweibein", "schock", "hüft", "unterlaufwaffe"}, {}},
    {"LMG",                   "7",  "S",      "SM/AM",    "1", "11",   "40", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     true,  {"modus5", "lade2"},          "gewichtstufe12", "",           {}, false,
     {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"}, {}},
    {"MMG",                   "9",  "S",      "AM",       "1", "14,5", "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     true,  {"modus7", "modus", "lade2"}, "gewichtstufe16", "",           {}, false,
     {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"}, {}},
    {"SMG",                   "10", "S",      "AM",       "1", "17,5", "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     true,  {"modus7", "modus", "lade2"}, "gewichtstufe16", "",           {}, false,
     {"dreibein", "zweibein", "schock", "hüft", "suppressor", "unterlaufwaffe"}, {}},
    {"Sturmkanone",           "18", "T",      "EM",       "1", "22",   "20", "Streifen", "Lauf", "Aufmontiert", "Unterlauf",
     false, {"modus", "modus1", "lade2"}, "gewichtstufe12", "",           {}, false,
     {"dreibein", "zweibein", "schock", "hüft", "unterlaufwaffe"}, {}},
    // clang-format on
}};

// Which frames (by catalogue number) offer each option control. The step lists are not
// here: a frame shows its own step list wherever it offers the summary box.
struct Availability {
    QString control;
    std::vector<int> frames;
};

const std::vector<Availability> &availability()
{
    static const std::vector<Availability> table = {
        // clang-format off
        {"tarn",          {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"tarnstufe1",    {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"tarnstufe2",    {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"power",         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"powerstufe1",   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"powerstufe2",   {6, 7, 8, 10, 14}},
        {"modus",         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"modus1",        {1, 2, 4, 6, 8, 10, 14}},
        {"modus2",        {1, 2, 4, 6, 7, 8, 10, 11}},
        {"modus3",        {2, 4, 5, 6, 11}},
        {"modus4",        {2, 3, 4, 5, 6, 8, 11}},
        {"modus5",        {3, 5, 11}},
        {"modus6",        {5, 9, 11}},
        {"modus7",        {3, 5, 11, 12, 13}},
        {"lade",          {1, 2, 4, 6, 8, 10, 11, 12, 13, 14}},
        {"lade1",         {1, 2, 4, 6}},
        {"lade2",         {1, 2, 4, 6, 8, 10, 11, 12, 13, 14}},
        {"lade3",         {2, 4}},
        {"lade4",         {2, 4, 6, 8, 10}},
        {"lade5",         {11, 12, 13, 14}},
        {"keramik",       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"keramikstufe1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"keramikstufe2", {1, 2, 3, 4, 5, 7, 10}},
        {"keramikstufe3", {1, 2, 3, 4, 5, 7, 10}},
        {"rück",          {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}},
        {"rück1",         {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}},
        {"rück2",         {5, 6, 9, 11, 12, 13}},
        {"lauf",          {6, 8, 9, 10}},
        {"lauf1",         {6, 8, 9, 10}},
        {"lauf2",         {6, 8, 9, 10}},
        {"mehr",          {2, 3, 4, 5, 6, 8, 9, 10}},
        {"gewicht",       {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"muni",          {6, 7, 8, 10}},
        {"munistufe",     {6, 7, 8, 10}},
        {"munitionswahl", {3, 5, 6, 8, 9, 10, 11, 12, 13}},
        {"flechette",     {1, 2, 3, 4}},
        {"größe",         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {"nahkampf",      {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"bullpup",       {6, 8, 9}},
        {"schwer",        {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}},
        {"schnell",       {5, 9, 11, 12, 13}},
        {"zerlegbar",     {8, 9, 10}},
        // clang-format on
    };
    return table;
}

void addStepList(QStringList &controls, const QString &stepList)
{
    if (stepList.isEmpty())
        return;
    controls << stepList << stepLimitLabel(stepList);
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
    const FrameEntry *entry = findFrame(profile.frame);
    QStringList controls;
    if (entry == nullptr)
        return controls;
    for (const Availability &row : availability()) {
        if (std::find(row.frames.begin(), row.frames.end(), entry->number) == row.frames.end())
            continue;
        controls << row.control;
        if (row.control == "gewicht")
            addStepList(controls, profile.weightCombo);
        if (row.control == "mehr")
            addStepList(controls, profile.fkeCombo);
    }
    return controls;
}

QString stepLimitLabel(const QString &stepList)
{
    return QString(stepList).remove(QStringLiteral("stufe"));
}

} // namespace korvalde
