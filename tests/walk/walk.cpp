#include "walk.h"

#include "announcedcosts.h"
#include "app/windowfactory.h"
#include "pages/completion/weaponsheet.h"
#include "pages/completion/windows1252.h"
#include "reopen/opensheet.h"
#include "sheet/frames.h"
#include "sheet/numbertext.h"
#include "wizard/navigation.h"
#include "wizard/windows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace korvalde::walk {

namespace {

const QStringList kNumberFields = {"dp", "fke", "pwn", "trn", "gew", "kpd"};
// "No fire mode" reads " - " or, after full-automatic fire, "-": the blanks do not count.
const QStringList kProbeFields = {"dp", "fke", "trn", "gew", "kpd", "pwn", "pwr"};

bool isCanonicalNumber(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    return value && formatNumber(*value) == text;
}

// The forward button of a page that carries the FKE guard (every page after the start
// page that has one), or empty.
QString guardedForward(const QString &page)
{
    return page == windows::startPage ? QString() : windowRow(page).forwardButton;
}

// An option box whose tooltip reads as no list of costs, if any; each text is read once.
std::optional<QString> unreadableToolTip(const Window &page)
{
    static QSet<QString> readable;
    for (const auto &control : page.controls()) {
        const QString key = control->name() + '\n' + control->toolTip();
        if (control->kind() != ControlKind::CheckBox || readable.contains(key))
            continue;
        if (!announcedCosts(control->name(), control->toolTip()))
            return QStringLiteral("%1.%2 has the tooltip %3")
                .arg(page.name(), control->name(), quoted(control->toolTip()));
        readable.insert(key);
    }
    return std::nullopt;
}

} // namespace

QString quoted(const QString &text)
{
    return '"' + text + '"';
}

QString Action::describe() const
{
    const QString address = window + '.' + control;
    switch (kind) {
    case Kind::Click:
        return "click " + address;
    case Kind::Pick:
        return "pick " + address + ' ' + quoted(text);
    case Kind::Type:
        return "type " + address + ' ' + quoted(text);
    case Kind::Close:
        return "close " + window;
    case Kind::Save:
        return "save " + quoted(text);
    case Kind::SaveCancel:
        return QStringLiteral("save-cancel");
    case Kind::Probe:
        return "click " + address + " and at once again (probe)";
    }
    return {};
}

Walk::Walk(Executor &executor, int frame) : executor_(executor), frame_(frame)
{
    start();
}

void Walk::start()
{
    app_ = &executor_.restart();
    executor_.click("Form1", QStringLiteral("Option%1").arg(frame_));
}

int Walk::shownPageIndex() const
{
    const QStringList &pages = navigation::pageOrder();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (const Window *page = app_->find(pages[i]); page && page->isShown())
            return int(i);
    }
    return -1;
}

std::vector<std::pair<Action, int>> Walk::possibleActions() const
{
    static const QSet<QString> back = {"Zurück1", "Command3", "Zurück", "cancel"};
    std::vector<std::pair<Action, int>> actions;
    for (const Window *window : app_->loadedWindows()) {
        if (!window->isShown() || !window->isEnabled())
            continue;
        actions.push_back({{Action::Kind::Close, window->name(), {}, {}}, 1});
        for (const auto &control : window->controls()) {
            if (!app_->whyUnreachable(window->name(), control->name()).isEmpty())
                continue;
            const Action click{Action::Kind::Click, window->name(), control->name(), {}};
            switch (control->kind()) {
            case ControlKind::CheckBox:
                actions.push_back({click, 8});
                if (control->isUnchecked() && window->kind() == WindowKind::Page)
                    actions.push_back({{Action::Kind::Probe, window->name(), control->name(), {}}, 3});
                break;
            case ControlKind::OptionButton:
                actions.push_back({click, 2});
                break;
            case ControlKind::Button:
                if (control->name() == "cmdSave") {
                    actions.push_back({{Action::Kind::Save, window->name(), control->name(), {}}, 4});
                    actions.push_back({{Action::Kind::SaveCancel, window->name(), control->name(), {}}, 2});
                } else if (window->name() == "Form5" && control->name() == "Command1") {
                    actions.push_back({click, 2}); // a new weapon
                } else if (control->name() == windowRow(window->name()).forwardButton || control->name() == "ok") {
                    actions.push_back({click, 60});
                } else if (back.contains(control->name())) {
                    actions.push_back({click, 10});
                } else {
                    actions.push_back({click, 1});
                }
                break;
            case ControlKind::MenuItem:
                if (control->name() != "mnuDatei")
                    actions.push_back({click, 1});
                break;
            case ControlKind::ComboBox:
                if (!control->items().isEmpty())
                    actions.push_back({{Action::Kind::Pick, window->name(), control->name(), {}}, 6});
                break;
            case ControlKind::EditField:
                actions.push_back({{Action::Kind::Type, window->name(), control->name(), {}}, 3});
                break;
            default:
                break;
            }
        }
    }
    return actions;
}

std::optional<QString> Walk::perform(const Action &action)
{
    const int pageBefore = shownPageIndex();
    if (pageBefore >= 0)
        dpBefore_ = (*app_->find(navigation::pageOrder()[pageBefore]))["dp"].text();
    QString why;
    switch (action.kind) {
    case Action::Kind::Click:
        why = executor_.click(action.window, action.control);
        break;
    case Action::Kind::Pick:
        why = executor_.pick(action.window, action.control, action.text);
        break;
    case Action::Kind::Type:
        why = executor_.type(action.window, action.control, action.text);
        break;
    case Action::Kind::Close:
        why = executor_.close(action.window);
        break;
    case Action::Kind::Save:
        executor_.answerSave(QDir(saveFolder_.path()).filePath(action.text));
        why = executor_.click(action.window, action.control);
        break;
    case Action::Kind::SaveCancel:
        executor_.answerSave(std::nullopt);
        why = executor_.click(action.window, action.control);
        break;
    case Action::Kind::Probe: {
        if (!app_->whyUnreachable(action.window, action.control).isEmpty() ||
            !(*app_->find(action.window))[action.control].isUnchecked())
            return std::nullopt;
        history_.push_back(action);
        if (std::optional<QString> broken = probe(action))
            return broken;
        return checkRules(action, pageBefore);
    }
    }
    if (!why.isEmpty()) {
        // Not possible now: replays skip it. Unless what the user sees disagrees with the
        // program about that.
        if (const QString mismatch = executor_.mirrorMismatch(); !mismatch.isEmpty()) {
            history_.push_back(action);
            return mismatch;
        }
        return std::nullopt;
    }
    history_.push_back(action);
    if (app_->hasEnded()) {
        start(); // the user starts the program again
        return std::nullopt;
    }
    return checkRules(action, pageBefore);
}

// Checking a box and at once unchecking it gives back every value it took, unless the
// check also switched another box (the secondary weapon checks the biometric safety).
std::optional<QString> Walk::probe(const Action &action)
{
    Window &page = *app_->find(action.window);
    QStringList fieldsBefore;
    for (const QString &field : kProbeFields)
        fieldsBefore << page[field].text();
    QList<CheckState> statesBefore;
    for (const auto &control : page.controls())
        statesBefore << control->state();

    executor_.click(action.window, action.control);
    if (std::optional<QString> broken = checkAnnouncedCosts(page, action.control, fieldsBefore, statesBefore))
        return broken;
    for (Window *window : app_->loadedWindows()) {
        if (window->kind() == WindowKind::Dialog && window->isShown())
            executor_.close(window->name());
    }
    if (page[action.control].isChecked()) {
        if (!executor_.click(action.window, action.control).isEmpty())
            return std::nullopt;
    }
    for (qsizetype i = 0; i < statesBefore.size(); ++i) {
        if (page.controls()[size_t(i)]->state() != statesBefore[i])
            return std::nullopt;
    }
    for (qsizetype i = 0; i < kProbeFields.size(); ++i) {
        const QString now = page[kProbeFields[i]].text();
        if (now.trimmed() != fieldsBefore[i].trimmed())
            return QStringLiteral("checking and unchecking %1.%2 changed %3 from %4 to %5")
                .arg(action.window, action.control, kProbeFields[i], quoted(fieldsBefore[i]), quoted(now));
    }
    return std::nullopt;
}

// A box that the user checks changes the sheet by what its tooltip announces, together with
// every box its check checks too (a level checks its summary box).
std::optional<QString> Walk::checkAnnouncedCosts(const Window &page, const QString &box,
                                                 const QStringList &fieldsBefore,
                                                 const QList<CheckState> &statesBefore) const
{
    if (!page[box].isChecked() || page[box].toolTip().isEmpty())
        return std::nullopt;
    QHash<QString, double> expected;
    for (qsizetype i = 0; i < statesBefore.size(); ++i) {
        const Control &control = *page.controls()[size_t(i)];
        if (statesBefore[i] != CheckState::Unchecked || !control.isChecked())
            continue;
        const std::optional<AnnouncedCosts> costs = announcedCosts(control.name(), control.toolTip());
        if (!costs || costs->dependsOnMore)
            return std::nullopt;
        for (const auto &[field, delta] : costs->deltas.asKeyValueRange())
            expected[field] += delta;
    }
    for (qsizetype i = 0; i < kProbeFields.size(); ++i) {
        const std::optional<double> before = parseNumber(fieldsBefore[i]);
        const std::optional<double> now = parseNumber(page[kProbeFields[i]].text());
        if (!before || !now)
            continue;
        if (std::abs(*now - *before - expected.value(kProbeFields[i])) > 1e-9)
            return QStringLiteral("checking %1.%2 (%3) changed %4 from %5 to %6")
                .arg(page.name(), box, quoted(page[box].toolTip()), kProbeFields[i], quoted(fieldsBefore[i]),
                     quoted(page[kProbeFields[i]].text()));
    }
    return std::nullopt;
}

std::optional<QString> Walk::checkRules(const Action &action, int pageBefore)
{
    if (const QString mismatch = executor_.mirrorMismatch(); !mismatch.isEmpty())
        return mismatch;
    const QStringList &pages = navigation::pageOrder();
    const int pageNow = shownPageIndex();
    if (pageNow >= 0) {
        const Window &page = *app_->find(pages[pageNow]);
        const QStringList numbers = page.name() == "Form1"   ? QStringList{"dp", "fke"}
                                    : page.name() == "Form5" ? kNumberFields + QStringList{"preis"}
                                                             : kNumberFields;
        for (const QString &field : numbers) {
            if (!isCanonicalNumber(page[field].text()))
                return QStringLiteral("%1.%2 reads %3, no number text")
                    .arg(page.name(), field, quoted(page[field].text()));
        }
        if (page.name() != "Form1") {
            if (!parseNumber(page["cap"].text()))
                return QStringLiteral("%1.cap reads %2").arg(page.name(), quoted(page["cap"].text()));
        }
        // The way on is closed exactly while FKE is below 0.
        if (const QString forward = guardedForward(page.name()); !forward.isEmpty()) {
            if (page[forward].isEnabled() != (*parseNumber(page["fke"].text()) >= 0))
                return QStringLiteral("%1.%2 is %3 with FKE %4")
                    .arg(page.name(), forward, page[forward].isEnabled() ? "enabled" : "disabled", page["fke"].text());
        }
        if (std::optional<QString> unreadable = unreadableToolTip(page))
            return unreadable;
        if (page.name() == "Form5") {
            const QString price = formatNumber(*parseNumber(page["dp"].text()) * 5);
            if (page["preis"].text() != price)
                return QStringLiteral("price %1 for DP %2").arg(page["preis"].text(), page["dp"].text());
        }
    }
    const bool clicked = action.kind == Action::Kind::Click;
    // A forward step adds the entries of the page passed behind those of the pages before,
    // which the user could not change meanwhile.
    if (clicked && pageBefore >= 1 && pageNow == pageBefore + 1) {
        const QString list = (*app_->find("Form5"))["Text1"].text();
        const QString before = pageBefore == 1 ? QStringLiteral("Rahmen") : listOnArrival_.value(pageBefore);
        if (!list.startsWith(before))
            return QStringLiteral("the list reads %1, it lost %2").arg(quoted(list), quoted(before));
        listOnArrival_[pageNow] = list;
    }
    // A back step discards every window after the page shown now; only the completion
    // page's own back step keeps it.
    if (clicked && pageNow >= 0 && pageNow == pageBefore - 1 && pages[pageBefore] != "Form5") {
        for (const QString &name : pages.mid(pageNow + 1) + navigation::mountDialogs()) {
            if (app_->find(name) != nullptr)
                return QStringLiteral("%1 is still loaded after the back step to %2").arg(name, pages[pageNow]);
        }
    }
    // "&Neu" discards every window but the start page.
    if (clicked && action.window == "Form5" && action.control == "Command1" && pageNow == 0) {
        for (const Window *window : app_->loadedWindows()) {
            if (window->name() != "Form1")
                return QStringLiteral("%1 is still loaded after a new weapon").arg(window->name());
        }
    }
    // The internal smartgun costs the frame's base DP at level 1, half as much again
    // (halves rounded up) at level 2.
    if (clicked && action.window == "Form3" && (action.control == "smartintern1" || action.control == "smartintern2") &&
        pageNow == pageBefore) {
        const Window &page = *app_->find("Form3");
        const FrameEntry *frame = findFrame(page["typ"].text());
        const double base = frame ? *parseNumber(frame->dp) : 0;
        const double price = action.control == "smartintern1" ? base : std::ceil(base * 1.5);
        const double paid = *parseNumber(page["dp"].text()) - *parseNumber(dpBefore_);
        if (page[action.control].isChecked() && paid != price)
            return QStringLiteral("%1 cost %2 DP, not %3").arg(action.control, formatNumber(paid), formatNumber(price));
    }
    if (action.kind == Action::Kind::Save)
        return checkSavedFile(QDir(saveFolder_.path()).filePath(action.text));
    return std::nullopt;
}

std::optional<QString> Walk::checkSavedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the save wrote no file %1").arg(path);
    const QByteArray content = file.readAll();
    if (content.count("\r\n") != 18 || !content.endsWith("\r\n") || content.count('\n') != 18 ||
        content.count('\r') != 18)
        return QStringLiteral("the saved file is not 18 lines ended by CR LF");
    // Windows-1252 leaves these five bytes undefined.
    for (const char byte : content) {
        if (QByteArrayView("\x81\x8D\x8F\x90\x9D").contains(byte))
            return QStringLiteral("the saved file holds a byte Windows-1252 does not define");
    }
    return checkReopens(path, content);
}

namespace {

class SilentPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages << message.text; }
    QStringList messages;
    std::optional<QString> askSaveFileName(const SaveRequest &) override { return std::nullopt; }
    void endProgram() override {}
};

} // namespace

// Every saved sheet opens again, and the design it rebuilds saves the same bytes.
std::optional<QString> Walk::checkReopens(const QString &path, const QByteArray &content)
{
    ++reopened_;
    SilentPlatform platform;
    const std::unique_ptr<Application> app = startKorvalde(platform);
    const auto found = reopen::actionsForSheet(*app, path);
    if (const QString *message = std::get_if<QString>(&found))
        return QStringLiteral("the saved sheet does not open again: %1\n%2")
            .arg(*message, QString::fromLatin1(content));
    for (const reopen::UserAction &action : std::get<std::vector<reopen::UserAction>>(found))
        reopen::perform(*app, action);
    const Window *completion = app->find("Form5");
    if (completion == nullptr || !completion->isShown())
        return QStringLiteral("the reopened sheet does not end on the completion page");
    if (toWindows1252(weaponSheetText(*completion)) != content)
        return QStringLiteral("the reopened design saves other bytes");
    // Opening rebuilds what the user built before; it has nothing to tell on the way.
    if (!platform.messages.isEmpty())
        return QStringLiteral("opening the saved sheet shows %1").arg(platform.messages.join(", "));
    return std::nullopt;
}

namespace {

// Replays the actions on a fresh program; the first broken rule, if any.
std::optional<QString> replay(Executor &executor, int frame, const std::vector<Action> &actions)
{
    Walk walk(executor, frame);
    for (const Action &action : actions) {
        if (std::optional<QString> broken = walk.perform(action))
            return broken;
    }
    return std::nullopt;
}

// Drops chunks of actions, smaller and smaller, while the walk still breaks a rule.
std::vector<Action> shrink(Executor &executor, int frame, std::vector<Action> actions)
{
    // Replays through the widgets are slow: shrinking stops after a minute with what it has.
    QElapsedTimer clock;
    clock.start();
    const auto mayGoOn = [&] { return clock.elapsed() < 60000; };
    for (size_t chunk = std::max<size_t>(1, actions.size() / 2); chunk >= 1 && mayGoOn(); chunk /= 2) {
        for (size_t start = 0; start < actions.size() && mayGoOn();) {
            std::vector<Action> candidate = actions;
            candidate.erase(candidate.begin() + long(start),
                            candidate.begin() + long(std::min(actions.size(), start + chunk)));
            if (replay(executor, frame, candidate))
                actions = std::move(candidate);
            else
                start += chunk;
        }
        if (chunk == 1)
            break;
    }
    return actions;
}

const QStringList kNames = {"Großer Bär", "Kleine Äxt", "Ölfass €5", "Ωmega", "Straße \"7\"", ""};

} // namespace

namespace {

// A random action the user can do now, or nothing when there is none.
std::optional<Action> chooseAction(const Walk &walk, std::mt19937 &random)
{
    const std::vector<std::pair<Action, int>> possible = walk.possibleActions();
    if (possible.empty())
        return std::nullopt;
    int total = 0;
    for (const auto &[action, weight] : possible)
        total += weight;
    int roll = std::uniform_int_distribution<int>(0, total - 1)(random);
    Action chosen = possible.back().first;
    for (const auto &[action, weight] : possible) {
        if ((roll -= weight) < 0) {
            chosen = action;
            break;
        }
    }
    if (chosen.kind == Action::Kind::Pick) {
        const QStringList &items = (*walk.app().find(chosen.window))[chosen.control].items();
        chosen.text = items[std::uniform_int_distribution<qsizetype>(0, items.size() - 1)(random)];
    } else if (chosen.kind == Action::Kind::Type) {
        chosen.text = kNames[std::uniform_int_distribution<qsizetype>(0, kNames.size() - 1)(random)];
    } else if (chosen.kind == Action::Kind::Save) {
        chosen.text = QStringLiteral("waffe%1.txt").arg(std::uniform_int_distribution<int>(1, 3)(random));
    }
    return chosen;
}

} // namespace

std::optional<QString> randomWalk(Executor &executor, int frame, unsigned seed, int actions)
{
    std::mt19937 random(seed);
    Walk walk(executor, frame);
    for (int step = 0; step < actions; ++step) {
        const std::optional<Action> next = chooseAction(walk, random);
        if (!next)
            return QStringLiteral("frame %1, seed %2: the user can do nothing after %3 actions")
                .arg(frame)
                .arg(seed)
                .arg(step);
        const Action chosen = *next;
        if (const std::optional<QString> broken = walk.perform(chosen)) {
            const std::vector<Action> shortest = shrink(executor, frame, walk.history());
            QString report =
                QStringLiteral("frame %1, seed %2, after %3 actions: %4\nshortest failing sequence (%5 actions):")
                    .arg(frame)
                    .arg(seed)
                    .arg(step + 1)
                    .arg(*broken)
                    .arg(shortest.size());
            for (const Action &action : shortest)
                report += "\n  " + action.describe();
            if (const std::optional<QString> again = replay(executor, frame, shortest))
                report += "\n  -> " + *again;
            return report;
        }
    }
    return std::nullopt;
}

namespace {

QString failureReport(Executor &executor, int frame, unsigned seed, const Walk &walk, const QString &broken)
{
    const std::vector<Action> shortest = shrink(executor, frame, walk.history());
    QString report = QStringLiteral("frame %1, seed %2: %3\nshortest failing sequence (%4 actions):")
                         .arg(frame)
                         .arg(seed)
                         .arg(broken)
                         .arg(shortest.size());
    for (const Action &action : shortest)
        report += "\n  " + action.describe();
    return report;
}

} // namespace

std::optional<QString> randomDesigns(Executor &executor, int frame, unsigned seed, int designs)
{
    // A design that has not been saved after this many actions is given up.
    constexpr int kLongestDesign = 3000;
    std::mt19937 random(seed);
    for (int design = 0; design < designs; ++design) {
        Walk walk(executor, frame);
        for (int step = 0; step < kLongestDesign && walk.reopened() == 0; ++step) {
            const std::optional<Action> next = chooseAction(walk, random);
            if (!next)
                break;
            if (const std::optional<QString> broken = walk.perform(*next))
                return failureReport(executor, frame, seed, walk, *broken);
        }
    }
    return std::nullopt;
}

} // namespace korvalde::walk
