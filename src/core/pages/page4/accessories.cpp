#include "pages/page4/options.h"
#include "pages/page4/page4.h"

#include "sheet/fields.h"
#include "sheet/mounts.h"
#include "sheet/steps.h"

#include <QStringList>

namespace korvalde::page4 {

namespace {

using namespace steps;

// One of a group that excludes its siblings by disabling them while it is checked.
ToggleRow excluding(const QString &box, const QString &toolTip, const Steps &deltas, const QStringList &siblings)
{
    return {box, toolTip, joined({deltas, forEach(disable, siblings)}),
            joined({negated(deltas), forEach(enable, siblings)})};
}

const Steps kTakeUnderbarrel = {setText(field::underbarrelMount, ""), disable(field::underbarrelMount)};
const Steps kFreeUnderbarrel = {setText(kUnderbarrelMount.field, kUnderbarrelMount.freeText),
                                enable(kUnderbarrelMount.field)};

// An underbarrel accessory: it takes the one underbarrel mount and shuts out the others.
ToggleRow underbarrel(const QString &box, const QString &toolTip, const Steps &deltas, const QStringList &others)
{
    return {box, toolTip, joined({kTakeUnderbarrel, forEach(disable, others), deltas}),
            joined({kFreeUnderbarrel, forEach(enable, others), negated(deltas)})};
}

const QStringList &kWeapons = underbarrelWeapons().members;
const QStringList &kBioVariants = safetyVariants().members;

// A variant of the secondary weapon: choosing it buys the secondary weapon and the safety.
ToggleRow bioVariant(const QString &box, const QStringList &siblings)
{
    return {
        box, {}, joined({{check("sekundär"), check("bio")}, forEach(disable, siblings)}), forEach(enable, siblings)};
}

// One row per box: the tooltip the user reads beside what a check and an uncheck apply.
std::vector<ToggleRow> accessoryRows()
{
    const Steps sawnOff = {add(field::powerLevel, -1), add(field::dp, 8), add(field::concealment, 2),
                           add(field::weight, -1)};
    return {
        optionRow("schall", "Tarnstufe -2, DP +100, FKE -0.25, Gewicht +0.2 kg",
                  {add(field::concealment, -2), add(field::weight, 0.2), add(field::fke, -0.25), add(field::dp, 100)}),
        optionRow("suppressor", "Tarnstufe -2, DP +150, FKE -0.25, Gewicht +0.5 kg",
                  {add(field::concealment, -2), add(field::weight, 0.5), add(field::fke, -0.25), add(field::dp, 150)}),
        optionRow("schulter", "Tarnstufe -1, DP +40, Rückstoßkompensation +1, Gewicht +0.5 kg",
                  {add(field::concealment, -1), add(field::weight, 0.5), add(field::dp, 40),
                   add(field::recoilCompensation, 1)}),
        excluding(
            "hüft", "Tarnstufe -4, DP +40, Rückstoßkompensation +1, Gewicht +2 kg",
            {add(field::concealment, -4), add(field::recoilCompensation, 1), add(field::dp, 40), add(field::weight, 2)},
            {"schock"}),
        excluding("schock", "DP +40, Rückstoßkompensation +1, Gewicht +2.5 kg",
                  {add(field::recoilCompensation, 1), add(field::dp, 40), add(field::weight, 2.5)}, {"hüft"}),
        // The sawn-off barrel takes the barrel mount but leaves the field enabled.
        {"abgesägte", "Tarnstufe +2, Powerniveau -1, DP +8, Gewicht -1 kg",
         joined({{setText(field::barrelMount, "")}, sawnOff}),
         joined({{setText(kBarrelMount.field, kBarrelMount.freeText)}, negated(sawnOff)})},
        optionRow("griff", "DP +25, Rückstoßkompensation +1", {add(field::recoilCompensation, 1), add(field::dp, 25)}),
        optionRow("sicherung", "DP +30", {add(field::dp, 30)}),
        optionRow("abzug", "DP +50, FKE -0.5", {add(field::dp, 50), add(field::fke, -0.5)}),

        {"bio",
         "DP +450, FKE -0.25",
         {add(field::fke, -0.25), add(field::dp, 450), enable("sekundär")},
         {add(field::fke, 0.25), add(field::dp, -450), disable("sekundär"), uncheck("sekundär")}},
        {"sekundär", "DP +450, FKE -0.75, Gewicht +0.5 kg",
         joined({{check("bio")},
                 forEach(enable, kBioVariants),
                 {add(field::dp, 450), add(field::fke, -0.75), add(field::weight, 0.5)}}),
         joined({forEach(uncheck, {"griffdornen", "elektroshock", "sprühsystem"}),
                 forEach(disable, kBioVariants),
                 {add(field::dp, -450), add(field::fke, 0.75), add(field::weight, -0.5)}})},
        bioVariant("griffdornen", {"sprühsystem", "elektroshock"}),
        bioVariant("sprühsystem", {"griffdornen", "elektroshock"}),
        bioVariant("elektroshock", {"sprühsystem", "griffdornen"}),

        underbarrel("dreibein", "DP +120, Rückstoßkompensation +6, Gewicht +8 kg",
                    {add(field::weight, 8), add(field::dp, 120), add(field::recoilCompensation, 6)},
                    {"unterlaufgewicht", "unterlaufwaffe", "vordergriff", "zweibein"}),
        underbarrel("zweibein", "DP +80, Rückstoßkompensation +2, Gewicht +2 kg",
                    {add(field::weight, 2), add(field::recoilCompensation, 2), add(field::dp, 80)},
                    {"dreibein", "unterlaufgewicht", "vordergriff", "unterlaufwaffe"}),
        underbarrel("vordergriff", "Tarnstufe -1, DP +50, Rückstoßkompensation +1, Gewicht +0.5 kg",
                    {add(field::concealment, -1), add(field::recoilCompensation, 1), add(field::weight, 0.5),
                     add(field::dp, 50)},
                    {"dreibein", "zweibein", "unterlaufgewicht", "unterlaufwaffe"}),
        underbarrel("unterlaufgewicht", "Tarnstufe -1, DP +25, FKE -0.25, Rückstoßkompensation +1, Gewicht +1 kg",
                    {add(field::concealment, -1), add(field::weight, 1), add(field::fke, -0.25), add(field::dp, 25),
                     add(field::recoilCompensation, 1)},
                    {"dreibein", "zweibein", "vordergriff", "unterlaufwaffe"}),
        // The weapon box costs nothing itself; withdrawing it withdraws the chosen weapon.
        {"unterlaufwaffe",
         {},
         joined({kTakeUnderbarrel, forEach(disable, {"dreibein", "zweibein", "vordergriff", "unterlaufgewicht"}),
                 forEach(enable, kWeapons)}),
         joined({kFreeUnderbarrel, forEach(enable, {"dreibein", "zweibein", "vordergriff", "unterlaufgewicht"}),
                 forEach(uncheck, kWeapons), forEach(disable, kWeapons)})},

        excluding("bajonett", "Tarnstufe -1, DP +10, FKE -0.25, Gewicht +0.75 kg",
                  {add(field::concealment, -1), add(field::weight, 0.75), add(field::fke, -0.25), add(field::dp, 10)},
                  {"granatwerfer", "enterhaken", "flammenwerfer"}),
        excluding("enterhaken", "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +2 kg",
                  {add(field::concealment, -1), add(field::weight, 2), add(field::fke, -0.25), add(field::dp, 100)},
                  {"granatwerfer", "bajonett", "flammenwerfer"}),
        excluding("flammenwerfer", "DP +240, FKE -0.25", {add(field::fke, -0.25), add(field::dp, 240)},
                  {"granatwerfer", "enterhaken", "bajonett"}),
        excluding("granatwerfer", "Tarnstufe -3, DP +360, FKE -0.25, Gewicht +2 kg",
                  {add(field::concealment, -3), add(field::weight, 2), add(field::fke, -0.25), add(field::dp, 360)},
                  {"bajonett", "enterhaken", "flammenwerfer"}),
    };
}

} // namespace

const OptionGroup &underbarrelWeapons()
{
    static const OptionGroup group = {"unterlaufwaffe", {"bajonett", "enterhaken", "granatwerfer", "flammenwerfer"}};
    return group;
}

const OptionGroup &safetyVariants()
{
    static const OptionGroup group = {"sekundär", {"griffdornen", "sprühsystem", "elektroshock"}};
    return group;
}

void attachAccessoryOptions(Window &page)
{
    attachToggles(page, accessoryRows());
}

} // namespace korvalde::page4
