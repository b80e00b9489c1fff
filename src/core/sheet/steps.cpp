#include "sheet/steps.h"

#include "model/application.h"
#include "sheet/sheet.h"

namespace korvalde {

Control &resolveTarget(Window &page, const QString &target)
{
    const qsizetype dot = target.indexOf('.');
    if (dot < 0)
        return page[target];
    Window &other = page.app().window(target.left(dot));
    return other[target.mid(dot + 1)];
}

void runSteps(Window &page, const Steps &steps)
{
    for (const Step &step : steps) {
        switch (step.kind) {
        case Step::Kind::Add: {
            Control &field = resolveTarget(page, step.target);
            sheet::add(field.window(), field.name(), step.amount);
            break;
        }
        case Step::Kind::SetText:
            resolveTarget(page, step.target).setText(step.text);
            break;
        case Step::Kind::CopyText: {
            const QString source = resolveTarget(page, step.text).text();
            resolveTarget(page, step.target).setText(source);
            break;
        }
        case Step::Kind::Enable:
            resolveTarget(page, step.target).setEnabled(true);
            break;
        case Step::Kind::Disable:
            resolveTarget(page, step.target).setEnabled(false);
            break;
        case Step::Kind::Show:
            resolveTarget(page, step.target).setVisible(true);
            break;
        case Step::Kind::Hide:
            resolveTarget(page, step.target).setVisible(false);
            break;
        case Step::Kind::Check:
            resolveTarget(page, step.target).setState(CheckState::Checked);
            break;
        case Step::Kind::Uncheck:
            resolveTarget(page, step.target).setState(CheckState::Unchecked);
            break;
        case Step::Kind::Run:
            step.run(page);
            break;
        }
    }
}

void attachToggle(Window &page, const ToggleRow &row)
{
    Control &box = page[row.box];
    box.setToolTip(row.toolTip);
    for (const Steps *steps : {&row.whenChecked, &row.whenUnchecked}) {
        for (const Step &step : *steps) {
            Control *shown = step.target.contains('.') ? nullptr : page.find(step.target);
            if (step.kind == Step::Kind::Show && shown != nullptr)
                shown->addShownByClickOn(row.box);
        }
    }
    box.onClick([&page, &box, checked = row.whenChecked, unchecked = row.whenUnchecked] {
        if (box.isChecked())
            runSteps(page, checked);
        if (box.isUnchecked())
            runSteps(page, unchecked);
    });
}

void attachToggles(Window &page, const std::vector<ToggleRow> &rows)
{
    for (const ToggleRow &row : rows)
        attachToggle(page, row);
}

Steps negated(const Steps &steps)
{
    Steps result = steps;
    for (Step &step : result) {
        if (step.kind == Step::Kind::Add)
            step.amount = -step.amount;
    }
    return result;
}

Steps undone(const Steps &steps)
{
    Steps result = negated(steps);
    for (Step &step : result) {
        if (step.kind == Step::Kind::Enable)
            step.kind = Step::Kind::Disable;
        else if (step.kind == Step::Kind::Disable)
            step.kind = Step::Kind::Enable;
    }
    return result;
}

Steps scaled(const Steps &steps, double times)
{
    Steps result = steps;
    for (Step &step : result) {
        if (step.kind == Step::Kind::Add)
            step.amount *= times;
    }
    return result;
}

Steps joined(std::initializer_list<Steps> parts)
{
    Steps result;
    for (const Steps &part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

Steps forEach(Step (*make)(const QString &), const QStringList &targets)
{
    Steps result;
    for (const QString &target : targets)
        result.push_back(make(target));
    return result;
}

ToggleRow optionRow(const QString &box, const QString &toolTip, const Steps &deltas, const Steps &extraChecked,
                    const Steps &extraUnchecked)
{
    return {box, toolTip, joined({deltas, extraChecked}), joined({negated(deltas), extraUnchecked})};
}

void attachLevelGroup(Window &page, const LevelGroup &group)
{
    for (const ToggleRow &level : group.levels) {
        Steps checked = {steps::check(group.summary)};
        Steps unchecked = {steps::uncheck(group.summary)};
        for (const ToggleRow &other : group.levels) {
            if (other.box == level.box)
                continue;
            checked.push_back(steps::disable(other.box));
            unchecked.push_back(steps::enable(other.box));
        }
        attachToggle(page, {level.box, level.toolTip, joined({checked, level.whenChecked}),
                            joined({unchecked, level.whenUnchecked})});
    }
    if (!group.summaryWithdraws)
        return;
    Control &summary = page[group.summary];
    QStringList levels;
    for (const ToggleRow &level : group.levels)
        levels << level.box;
    summary.onClick([&page, &summary, levels] {
        if (!summary.isUnchecked())
            return;
        for (const QString &level : levels)
            page[level].setState(CheckState::Unchecked);
    });
}

void attachLevelGroups(Window &page, const std::vector<LevelGroup> &groups)
{
    for (const LevelGroup &group : groups)
        attachLevelGroup(page, group);
}

} // namespace korvalde
