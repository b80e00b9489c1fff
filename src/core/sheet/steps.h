#pragma once

#include "model/window.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

namespace korvalde {

// One effect of an option, as the option tables list them. A target names a control of
// the option's own page (`fke`, `bullpup`) or of another window (see `on` below); touching
// another window creates it if it is not loaded.
struct Step {
    enum class Kind { Add, SetText, CopyText, Enable, Disable, Show, Hide, Check, Uncheck, Run };
    Kind kind;
    QString target;
    double amount = 0;
    QString text; // SetText: the text; CopyText: the source control
    std::function<void(Window &)> run = {};
};

namespace steps {
inline Step add(const QString &field, double amount)
{
    return {Step::Kind::Add, field, amount, {}, {}};
}
inline Step setText(const QString &target, const QString &text)
{
    return {Step::Kind::SetText, target, 0, text, {}};
}
// Sets `target` to the current text of `source`.
inline Step copyText(const QString &target, const QString &source)
{
    return {Step::Kind::CopyText, target, 0, source, {}};
}
inline Step enable(const QString &target)
{
    return {Step::Kind::Enable, target, 0, {}, {}};
}
inline Step disable(const QString &target)
{
    return {Step::Kind::Disable, target, 0, {}, {}};
}
inline Step show(const QString &target)
{
    return {Step::Kind::Show, target, 0, {}, {}};
}
inline Step hide(const QString &target)
{
    return {Step::Kind::Hide, target, 0, {}, {}};
}
inline Step check(const QString &target)
{
    return {Step::Kind::Check, target, 0, {}, {}};
}
inline Step uncheck(const QString &target)
{
    return {Step::Kind::Uncheck, target, 0, {}, {}};
}
// An effect of its own, for the few options whose behaviour is no table row.
inline Step run(std::function<void(Window &)> operation)
{
    return {Step::Kind::Run, {}, 0, {}, std::move(operation)};
}
} // namespace steps

using Steps = std::vector<Step>;

// A step target on another window: the control `control` of the window named `window`.
inline QString on(const QString &window, const QString &control)
{
    return window + u'.' + control;
}

// The control a step target names, seen from `page`.
Control &resolveTarget(Window &page, const QString &target);

// Runs the steps in order. Each step looks the control up again, so a step sees what the
// steps before it (and the click operations they ran) have done.
void runSteps(Window &page, const Steps &steps);

// A check box with fixed effects: what a check applies and what an uncheck applies.
struct ToggleRow {
    QString box;
    QString toolTip;
    Steps whenChecked;
    Steps whenUnchecked;
};

// Sets the row's tooltip and click operation: a check runs `whenChecked`, then the state
// is read again and an uncheck runs `whenUnchecked`; grayed runs neither.
void attachToggle(Window &page, const ToggleRow &row);
void attachToggles(Window &page, const std::vector<ToggleRow> &rows);

// The reverse of a list of deltas: every Add negated, in the same order.
Steps negated(const Steps &steps);

// What takes the steps back: every Add negated and every Enable a Disable and back, in
// the same order.
Steps undone(const Steps &steps);

// The deltas `times` over: every Add's amount multiplied.
Steps scaled(const Steps &steps, double times);

// The parts one after another, in order.
Steps joined(std::initializer_list<Steps> parts);

// One step made by `make` for each of the targets, in their order ("disable these boxes").
Steps forEach(Step (*make)(const QString &), const QStringList &targets);

// An option whose uncheck reverses its deltas; `extraChecked` and `extraUnchecked` (the
// switching of other boxes and texts) run after the deltas.
ToggleRow optionRow(const QString &box, const QString &toolTip, const Steps &deltas, const Steps &extraChecked = {},
                    const Steps &extraUnchecked = {});

// A stepped option: a summary box and exclusive level (or variant) boxes. Exclusivity comes
// from disabling the other levels, never from unchecking them. A level checks (unchecks)
// the summary box, disables (enables) the other levels, then runs its own steps.
struct LevelGroup {
    QString summary;
    // Unchecking the summary box withdraws the chosen level. Where it is false the summary
    // box is either withdrawn only through its levels or has a click operation of its own.
    bool summaryWithdraws;
    std::vector<ToggleRow> levels;
};

void attachLevelGroup(Window &page, const LevelGroup &group);
void attachLevelGroups(Window &page, const std::vector<LevelGroup> &groups);

} // namespace korvalde
