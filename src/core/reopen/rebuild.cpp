#include "reopen/rebuild.h"

#include "pages/completion/windows1252.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/layout.h"
#include "reopen/replay.h"
#include "reopen/sheettemplate.h"
#include "sheet/fields.h"
#include "sheet/firemodes.h"
#include "sheet/numbertext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace korvalde::reopen {

namespace {

// The fields through which the choices the list leaves open show on the sheet.
const std::array<QString, 4> kNumberFields = {field::dp, field::fke, field::weight, field::concealment};
using Numbers = std::array<double, 4>;
// The texts of the sheet's fields, by field; nothing where the line does not fit.
using Fields = QHash<QString, std::optional<QString>>;

// The modifications list as the user wrote it. A sheet saved again in UTF-8 reads, taken
// as Windows-1252, with two odd letters for each umlaut, and its list names no option past
// the first of them; read as UTF-8, it names the design, so the closest try shows where
// the copy first differs. The sheet itself is still compared as it reads.
QString writtenList(const QString &list)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(toWindows1252(list));
    return utf8.hasError() ? list : decoded;
}

// One try: its sheet and the numbers on it.
struct Try {
    Choices choices;
    QStringList lines;
    std::optional<Numbers> numbers;
};

// A way to change a choice the list leaves open, measured by trying it alone.
struct Variant {
    std::function<void(Choices &)> apply;
    Fields fields; // as measured
    Numbers delta{};
    double times = 1; // weight steps are measured once and scaled
    int option = 0;   // variants of one option exclude each other
};

// The search for the clicks that give a sheet. The list of modifications names most of
// what the user did, but some choices leave no entry of their own (rapid fire, a summary
// box checked alone, the weight steps, which mount an accessory took); they show only in
// the sheet's numbers and texts. So the search first replays the list as it stands and
// compares the sheet that gives, line by line from the top. If it differs, it measures each
// open choice by replaying it alone on top of that first try: how it moves DP, FKE, weight
// and concealability, and which texts it changes. It then predicts, without replaying, every
// mix of those choices (one variant per option), keeps the mixes whose predicted sheet is
// the target, and replays them from the smallest up until one gives the sheet exactly. It
// stops at the first exact sheet, when no mix is left, or after `kMostTries` replays: each
// replay is a whole program run, and a sheet that no design gives must fail quickly. On a
// failure the closest try, the one that agrees with the most lines from the top, names the
// line that does not fit.
class Search {
public:
    Search(const Application &original, const QStringList &target) : original_(original), target_(target)
    {
        targetNumbers_ = numbersOf(target);
        wish_.frame = findFrame(sheet_.field(target, "typus").value_or(QString()));
        wish_.name = sheet_.field(target, "waffenname").value_or(QString());
        wish_.capacity = sheet_.field(target, field::capacity).value_or(QString());
        wish_.entries = readModificationList(writtenList(sheet_.field(target, "Text1").value_or(QString())));
    }

    Rebuild run()
    {
        search();
        if (!result_.found)
            // The frame and the name alone: the closest try for a sheet whose list is no list.
            attempt(Wish{wish_.frame, wish_.name, {}, {}}, {});
        // A sheet cut short has lost its list, from which every try takes the design: past
        // the frame no line can be judged, and the first missing one is the first known
        // to be wrong.
        if (!result_.found && target_.size() <= sheet_.lineOf("Text1") &&
            result_.firstMismatch > sheet_.lineOf("typus"))
            result_.firstMismatch = int(target_.size());
        result_.mismatchLabel = sheet_.label(result_.firstMismatch);
        return result_;
    }

private:
    // Enough for every sheet the list pins down to a handful of tries; a sheet no design
    // gives ends here.
    static constexpr int kMostTries = 32;

    void search()
    {
        Choices first;
        first.rapidFire = wants("rück3");
        const Try base = attempt(wish_, first).tried;
        if (result_.found)
            return;
        if (lastAgreeing_ == sheet_.lineOf(field::topMount)) {
            first.underbarrelFirst = true;
            if (attempt(wish_, first).found)
                return;
        }
        if (!base.numbers || !targetNumbers_)
            return;
        capacityItems_ = lastReplay_.capacityItems;
        baseRefusals_ = lastReplay_.refusedActions;
        weightStepsOffered_ = lastReplay_.weightStepsOffered;
        base_ = base;
        baseFields_ = fieldsOf(base.lines);
        targetFields_ = fieldsOf(target_);
        measureVariants(base);
        std::vector<std::vector<const Variant *>> candidates;
        std::vector<const Variant *> chosen;
        collect(0, chosen, candidates);
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const auto &a, const auto &b) { return a.size() < b.size(); });
        if (candidates.empty())
            candidates.push_back(closest_);
        for (const auto &candidate : candidates) {
            if (result_.tries >= kMostTries || candidate.empty())
                continue;
            Choices choices = base.choices;
            for (const Variant *variant : candidate)
                variant->apply(choices);
            if (attempt(wish_, choices).found)
                return;
            // Which accessory of page 5 sits on which mount shows only on the mount line.
            if (lastAgreeing_ == sheet_.lineOf(field::topMount)) {
                choices.underbarrelFirst = true;
                if (attempt(wish_, choices).found)
                    return;
            }
        }
    }

    struct Outcome {
        Try tried;
        bool found = false;
    };

    bool wants(const QString &control) const
    {
        return std::any_of(wish_.entries.begin(), wish_.entries.end(),
                           [&](const ListEntry &entry) { return entry.control == control; });
    }
    bool wantsAny(const QStringList &controls) const
    {
        return std::any_of(controls.begin(), controls.end(), [&](const QString &c) { return wants(c); });
    }
    static QStringList fireModeBoxes()
    {
        QStringList boxes;
        for (const FireMode &mode : fire::all)
            boxes << QString::fromLatin1(mode.box);
        return boxes;
    }
    bool wantsAction(EntryAction action) const
    {
        return std::any_of(wish_.entries.begin(), wish_.entries.end(),
                           [&](const ListEntry &entry) { return entry.action == action; });
    }

    std::optional<Numbers> numbersOf(const QStringList &lines) const
    {
        Numbers numbers{};
        for (size_t i = 0; i < kNumberFields.size(); ++i) {
            const std::optional<double> value = parseNumber(sheet_.field(lines, kNumberFields[i]).value_or(QString()));
            if (!value)
                return std::nullopt;
            numbers[i] = *value;
        }
        return numbers;
    }

    Outcome attempt(const Wish &wish, const Choices &choices)
    {
        ++result_.tries;
        Replay replayed = replay(original_, wish, choices);
        Outcome outcome{{choices, replayed.sheetLines, numbersOf(replayed.sheetLines)}, false};
        lastReplay_ = replayed;
        int agreeing = 0;
        while (agreeing < target_.size() && agreeing < replayed.sheetLines.size() &&
               target_[agreeing] == replayed.sheetLines[agreeing])
            ++agreeing;
        if (replayed.sheetLines.isEmpty())
            agreeing = 0;
        if (replayed.sheetLines == target_ && !replayed.sheetLines.isEmpty()) {
            result_.found = true;
            result_.actions = replayed.actions;
            outcome.found = true;
        }
        result_.firstMismatch = std::max(result_.firstMismatch, agreeing);
        lastAgreeing_ = agreeing;
        return outcome;
    }

    void addVariant(int option, const std::function<void(Choices &)> &apply, const Try &base, double times = 1)
    {
        Choices choices = base.choices;
        apply(choices);
        const Outcome outcome = attempt(wish_, choices);
        if (outcome.found || !outcome.tried.numbers || lastReplay_.refusedActions > baseRefusals_)
            return;
        Variant variant{apply, fieldsOf(outcome.tried.lines), {}, times, option};
        for (size_t i = 0; i < kNumberFields.size(); ++i)
            variant.delta[i] = (*outcome.tried.numbers)[i] - (*base.numbers)[i];
        variants_.push_back(variant);
    }

    void measureVariants(const Try &base)
    {
        int option = 0;
        const auto add = [&](const std::function<void(Choices &)> &apply) {
            if (!result_.found)
                addVariant(option++, apply, base);
        };
        if (!wants("rück3"))
            add([](Choices &c) { c.rapidFire = true; });
        if (!wantsAny(fireModeBoxes()))
            add([](Choices &c) { c.fireModeTriedAgain = true; });
        if (!wantsAny(page3::gasVent().members))
            add([](Choices &c) { c.gasVentAlone = true; });
        if (wants("bio") && !wantsAny(page4::safetyVariants().members))
            add([](Choices &c) { c.secondaryWeapon = true; });
        if (!wantsAny(page4::underbarrelWeapons().members))
            add([](Choices &c) { c.underbarrelWeaponAlone = true; });
        if (!wantsAny(page5::refinementsOf("laser")))
            add([](Choices &c) { c.laserAlone = true; });
        if (!wantsAny(page5::refinementsOf("smartextern")))
            add([](Choices &c) { c.smartgunAlone = true; });
        if (wantsAction(EntryAction::Capacity) && wantsAction(EntryAction::Clip)) {
            for (const QString &item : capacityItems_)
                if (!result_.found)
                    addVariant(
                        option, [item](Choices &c) { c.capacityPick = item; }, base);
            ++option;
        }
        if (wantsAction(EntryAction::Weight) && !result_.found) {
            // Each step weighs and costs the same, so one measured step gives all of them.
            const size_t before = variants_.size();
            addVariant(
                option, [](Choices &c) { c.weightSteps = 1; }, base);
            if (variants_.size() > before) {
                const Variant one = variants_.back();
                for (int steps = 2; steps <= weightStepsOffered_; ++steps) {
                    Variant more = one;
                    more.apply = [steps](Choices &c) { c.weightSteps = steps; };
                    more.times = steps;
                    variants_.push_back(more);
                }
            }
            ++option;
        }
    }

    Fields fieldsOf(const QStringList &lines) const
    {
        Fields fields;
        for (const QString &field : sheet_.fields())
            fields.insert(field, sheet_.field(lines, field));
        return fields;
    }

    // Every mix of variants whose numbers and texts the sheet can show; failing that, the
    // mix that agrees with the most lines from the top.
    void collect(size_t next, std::vector<const Variant *> &chosen,
                 std::vector<std::vector<const Variant *>> &candidates)
    {
        if (next == variants_.size()) {
            const int agreeing = predictedAgreement(chosen);
            if (agreeing == sheet_.lineCount())
                candidates.push_back(chosen);
            else if (agreeing > closestAgreement_ ||
                     (agreeing == closestAgreement_ && chosen.size() < closest_.size())) {
                closestAgreement_ = agreeing;
                closest_ = chosen;
            }
            return;
        }
        collect(next + 1, chosen, candidates);
        const Variant &variant = variants_[next];
        const bool optionTaken =
            std::any_of(chosen.begin(), chosen.end(), [&](const Variant *c) { return c->option == variant.option; });
        if (optionTaken)
            return;
        chosen.push_back(&variant);
        collect(next + 1, chosen, candidates);
        chosen.pop_back();
    }

    // The lines from the top that the mix would give as the sheet has them.
    int predictedAgreement(const std::vector<const Variant *> &chosen) const
    {
        int agreeing = sheet_.lineCount();
        for (size_t i = 0; i < kNumberFields.size(); ++i) {
            double value = (*base_.numbers)[i];
            for (const Variant *variant : chosen)
                value += variant->delta[i] * variant->times;
            if (std::abs(value - (*targetNumbers_)[i]) > 1e-9)
                agreeing = std::min(agreeing, sheet_.lineOf(kNumberFields[i]));
        }
        // A text the list leaves open reads as the one variant that changes it, or as
        // without any. The two mounts of page 5 go either way round.
        bool mountsChanged = false;
        for (const QString &field : sheet_.fields()) {
            const bool isMount = kMounts.contains(field);
            if (!isMount && (isNumber(field) || sheet_.lineOf(field) >= agreeing))
                continue;
            const std::optional<QString> &before = baseFields_[field];
            int changers = 0;
            std::optional<QString> predicted = before;
            for (const Variant *variant : chosen) {
                const std::optional<QString> &after = variant->fields[field];
                if (after != before) {
                    ++changers;
                    predicted = after;
                }
            }
            if (isMount)
                mountsChanged = mountsChanged || changers > 0;
            else if (changers <= 1 && predicted != targetFields_[field])
                agreeing = std::min(agreeing, sheet_.lineOf(field));
        }
        // Without a variant that takes a mount, as many mounts are taken as without any.
        const auto taken = [](const Fields &fields) {
            return std::count_if(kMounts.begin(), kMounts.end(),
                                 [&](const QString &mount) { return fields[mount] == QString(); });
        };
        if (!mountsChanged && taken(baseFields_) != taken(targetFields_))
            agreeing = std::min(agreeing, sheet_.lineOf(kMounts.front()));
        return agreeing;
    }

    static bool isNumber(const QString &field)
    {
        // The price follows the DP.
        return std::find(kNumberFields.begin(), kNumberFields.end(), field) != kNumberFields.end() ||
               field == QLatin1String("preis");
    }

    inline static const QStringList kMounts = {field::topMount, field::underbarrelMount};

    const Application &original_;
    QStringList target_;
    SheetTemplate sheet_;
    Wish wish_;
    std::optional<Numbers> targetNumbers_;
    std::vector<Variant> variants_;
    Replay lastReplay_;
    int lastAgreeing_ = 0;
    Try base_;
    Fields baseFields_;
    Fields targetFields_;
    std::vector<const Variant *> closest_;
    int closestAgreement_ = -1;
    // A variant the user cannot do is dropped; the capacity the sheet shows may be no pick
    // of its own when the clip covers it, so the base try can be refused one.
    int baseRefusals_ = 0;
    QStringList capacityItems_;
    int weightStepsOffered_ = 0;
    Rebuild result_;
};

} // namespace

Rebuild rebuildSheet(const Application &original, const QStringList &sheetLines)
{
    return Search(original, sheetLines).run();
}

} // namespace korvalde::reopen
