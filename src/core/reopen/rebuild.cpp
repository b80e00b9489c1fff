#include "reopen/rebuild.h"

#include "reopen/replay.h"
#include "reopen/sheettemplate.h"
#include "sheet/numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace korvalde::reopen {

namespace {

// The fields through which the choices the list leaves open show on the sheet.
const std::array<QString, 4> kNumberFields = {"dp", "fke", "gew", "trn"};
using Numbers = std::array<double, 4>;

// One try: its sheet and the numbers on it.
struct Try {
    Choices choices;
    QStringList lines;
    std::optional<Numbers> numbers;
};

// A way to change a choice the list leaves open, measured by trying it alone.
struct Variant {
    std::function<void(Choices &)> apply;
    Try measured;
    Numbers delta{};
    double times = 1; // weight steps are measured once and scaled
    int option = 0;   // variants of one option exclude each other
};

class Search {
public:
    Search(const QStringList &target) : target_(target)
    {
        targetNumbers_ = numbersOf(target);
        wish_.frame = findFrame(sheet_.field(target, "typus").value_or(QString()));
        wish_.name = sheet_.field(target, "waffenname").value_or(QString());
        wish_.capacity = sheet_.field(target, "cap").value_or(QString());
        const ListReading list = readModificationList(sheet_.field(target, "Text1").value_or(QString()));
        wish_.entries = list.entries;
        // The price follows the DP, so its line is a number line too.
        for (const QString &field : kNumberFields)
            numberLines_ << sheet_.lineOf(field);
        numberLines_ << sheet_.lineOf("preis");
    }

    Rebuild run()
    {
        // The frame and the name alone: the closest try for a sheet whose list is no list.
        if (attempt(Wish{wish_.frame, wish_.name, {}, {}}, {}).found)
            return result_;
        Choices first;
        first.rapidFire = wants("rück3");
        const Try base = attempt(wish_, first).tried;
        if (result_.found || !base.numbers || !targetNumbers_)
            return result_;
        capacityItems_ = lastReplay_.capacityItems;
        weightStepsOffered_ = lastReplay_.weightStepsOffered;
        measureVariants(base);
        std::vector<std::vector<const Variant *>> candidates;
        std::vector<const Variant *> chosen;
        collect(base, 0, chosen, candidates);
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const auto &a, const auto &b) { return a.size() < b.size(); });
        for (const auto &candidate : candidates) {
            if (result_.tries >= kMostTries)
                break;
            Choices choices = base.choices;
            for (const Variant *variant : candidate)
                variant->apply(choices);
            if (attempt(wish_, choices).found)
                break;
            // Which accessory of page 5 sits on which mount shows only on the mount line.
            if (lastAgreeing_ == sheet_.lineOf("hlt2")) {
                choices.underbarrelFirst = true;
                if (attempt(wish_, choices).found)
                    break;
            }
        }
        return result_;
    }

private:
    // Enough for every sheet the list pins down to a handful of tries; a sheet no design
    // gives ends here.
    static constexpr int kMostTries = 40;

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
        Replay replayed = replay(wish, choices);
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
        if (outcome.found || !outcome.tried.numbers || lastReplay_.refusedActions > 0)
            return;
        Variant variant{apply, outcome.tried, {}, times, option};
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
        if (!wantsAny({"modus1", "modus2", "modus3", "modus4", "modus5", "modus6", "modus7"}))
            add([](Choices &c) { c.fireModeTriedAgain = true; });
        if (!wantsAny({"gas2", "gas3", "gas4"}))
            add([](Choices &c) { c.gasVentAlone = true; });
        if (wants("bio") && !wantsAny({"griffdornen", "sprühsystem", "elektroshock"}))
            add([](Choices &c) { c.secondaryWeapon = true; });
        if (!wantsAny({"bajonett", "enterhaken", "granatwerfer", "flammenwerfer"}))
            add([](Choices &c) { c.underbarrelWeaponAlone = true; });
        if (!wantsAny({"niederenergetisch", "hochenergetisch"}))
            add([](Choices &c) { c.laserAlone = true; });
        if (!wantsAny({"smartextern1", "smartextern2"}))
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

    // Every mix of variants whose numbers and texts the sheet can show.
    void collect(const Try &base, size_t next, std::vector<const Variant *> &chosen,
                 std::vector<std::vector<const Variant *>> &candidates) const
    {
        if (next == variants_.size()) {
            if (fits(base, chosen))
                candidates.push_back(chosen);
            return;
        }
        collect(base, next + 1, chosen, candidates);
        const Variant &variant = variants_[next];
        const bool optionTaken =
            std::any_of(chosen.begin(), chosen.end(), [&](const Variant *c) { return c->option == variant.option; });
        if (optionTaken)
            return;
        chosen.push_back(&variant);
        collect(base, next + 1, chosen, candidates);
        chosen.pop_back();
    }

    bool fits(const Try &base, const std::vector<const Variant *> &chosen) const
    {
        for (size_t i = 0; i < kNumberFields.size(); ++i) {
            double value = (*base.numbers)[i];
            for (const Variant *variant : chosen)
                value += variant->delta[i] * variant->times;
            if (std::abs(value - (*targetNumbers_)[i]) > 1e-9)
                return false;
        }
        for (int line = 0; line < target_.size() && line < base.lines.size(); ++line) {
            if (numberLines_.contains(line) || line == sheet_.lineOf("hlt2"))
                continue;
            int changers = 0;
            QString predicted = base.lines[line];
            for (const Variant *variant : chosen) {
                if (line < variant->measured.lines.size() && variant->measured.lines[line] != base.lines[line]) {
                    ++changers;
                    predicted = variant->measured.lines[line];
                }
            }
            if (changers <= 1 && predicted != target_[line])
                return false;
        }
        return true;
    }

    QStringList target_;
    SheetTemplate sheet_;
    Wish wish_;
    std::optional<Numbers> targetNumbers_;
    QList<int> numberLines_;
    std::vector<Variant> variants_;
    Replay lastReplay_;
    int lastAgreeing_ = 0;
    QStringList capacityItems_;
    int weightStepsOffered_ = 0;
    Rebuild result_;
};

} // namespace

Rebuild rebuildSheet(const QStringList &sheetLines)
{
    return Search(sheetLines).run();
}

} // namespace korvalde::reopen
