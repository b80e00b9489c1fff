#include "changerecorder.h"

#include "protocol.h"

#include <QJsonObject>

namespace korvalde::web {

ChangeRecorder::ChangeRecorder(Application &app) : app_(app)
{
    for (Window *window : app.loadedWindows()) {
        ids_[window] = nextId_++;
        if (window->kind() == WindowKind::Page && window->isShown())
            front_ = window;
    }
    app.addObserver(this);
}

ChangeRecorder::~ChangeRecorder()
{
    app_.removeObserver(this);
}

Window *ChangeRecorder::live(WindowId id) const
{
    for (const auto &[window, known] : ids_) {
        if (known == id)
            return const_cast<Window *>(window);
    }
    return nullptr;
}

QJsonArray ChangeRecorder::allWindows()
{
    QJsonArray windows;
    for (Window *window : app_.loadedWindows()) {
        windows.append(encodeWindow(*window));
        knownToPage_.insert(ids_.at(window));
    }
    events_.clear();
    changed_.clear();
    changedSet_.clear();
    return windows;
}

void ChangeRecorder::windowCreated(Window &window)
{
    const WindowId id = nextId_++;
    ids_[&window] = id;
    events_.push_back({EventKind::Created, id, window.name()});
}

void ChangeRecorder::windowDiscarded(Window &window)
{
    const auto found = ids_.find(&window);
    if (found == ids_.end())
        return;
    events_.push_back({EventKind::Discarded, found->second, window.name()});
    ids_.erase(found);
    if (front_ == &window)
        front_ = nullptr;
}

void ChangeRecorder::windowChanged(Window &window, WindowProperty property)
{
    if (property == WindowProperty::Shown && window.kind() == WindowKind::Page) {
        if (window.isShown())
            front_ = &window;
        else if (front_ == &window)
            front_ = nullptr;
    }
    const auto found = ids_.find(&window);
    if (found == ids_.end())
        return;
    const std::pair<WindowId, Changed> change{found->second, {QString(), static_cast<int>(property)}};
    if (changedSet_.insert(change).second)
        changed_.push_back(change);
}

void ChangeRecorder::controlChanged(Control &control, ControlProperty property)
{
    const auto found = ids_.find(&control.window());
    if (found == ids_.end())
        return;
    const std::pair<WindowId, Changed> change{found->second, {control.name(), static_cast<int>(property)}};
    if (changedSet_.insert(change).second)
        changed_.push_back(change);
}

QString ChangeRecorder::frontPage() const
{
    if (front_ != nullptr)
        return front_->name();
    QString shown;
    for (const Window *window : app_.loadedWindows()) {
        if (window->kind() == WindowKind::Page && window->isShown())
            shown = window->name();
    }
    return shown;
}

QJsonArray ChangeRecorder::takeChanges()
{
    QJsonArray changes;
    std::set<WindowId> madeNow;
    for (const Event &event : events_) {
        if (event.kind == EventKind::Created) {
            madeNow.insert(event.window);
            if (const Window *window = live(event.window)) {
                QJsonObject made = encodeWindow(*window);
                made.insert(QStringLiteral("op"), QStringLiteral("create"));
                changes.append(made);
                knownToPage_.insert(event.window);
            }
        } else if (knownToPage_.erase(event.window) > 0) {
            changes.append(
                QJsonObject{{QStringLiteral("op"), QStringLiteral("discard")}, {QStringLiteral("window"), event.name}});
        }
    }
    // One entry per control (or window) changed, its changed properties read now.
    std::map<std::pair<WindowId, QString>, qsizetype> entryOf;
    for (const auto &[id, change] : changed_) {
        if (madeNow.contains(id) || !knownToPage_.contains(id))
            continue;
        const Window *window = live(id);
        if (window == nullptr)
            continue;
        const Control *control = change.control.isEmpty() ? nullptr : window->find(change.control);
        if (!change.control.isEmpty() && control == nullptr)
            continue;
        const auto key = std::make_pair(id, change.control);
        auto entry = entryOf.find(key);
        if (entry == entryOf.end()) {
            QJsonObject fresh{{QStringLiteral("op"), control ? QStringLiteral("control") : QStringLiteral("window")},
                              {QStringLiteral("window"), window->name()}};
            if (control != nullptr)
                fresh.insert(QStringLiteral("control"), control->name());
            entry = entryOf.emplace(key, changes.size()).first;
            changes.append(fresh);
        }
        QJsonObject merged = changes.at(entry->second).toObject();
        if (control != nullptr)
            encodeProperty(merged, *control, static_cast<ControlProperty>(change.property));
        else
            encodeProperty(merged, *window, static_cast<WindowProperty>(change.property));
        changes.replace(entry->second, merged);
    }
    events_.clear();
    changed_.clear();
    changedSet_.clear();
    return changes;
}

} // namespace korvalde::web
