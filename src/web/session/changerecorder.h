#pragma once

#include "model/application.h"

#include <QJsonArray>
#include <QString>

#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace korvalde::web {

// Collects what a user action changes, for the page to mirror. Values are read when the
// changes are taken, after the action: a field the rules rewrite ten times in one click
// travels once, and a window made during the action travels whole, as it is at its end.
class ChangeRecorder : public ModelObserver {
public:
    explicit ChangeRecorder(Application &app);
    ~ChangeRecorder() override;
    ChangeRecorder(const ChangeRecorder &) = delete;
    ChangeRecorder &operator=(const ChangeRecorder &) = delete;

    // Every loaded window, as the page builds them when it connects; marks them known.
    QJsonArray allWindows();
    // What changed since the last call, in the order the page applies it.
    QJsonArray takeChanges();
    // The page the user sees: the last page shown that is still shown, as on the desktop.
    QString frontPage() const;

    void windowCreated(Window &window) override;
    void windowDiscarded(Window &window) override;
    void windowChanged(Window &window, WindowProperty property) override;
    void controlChanged(Control &control, ControlProperty property) override;

private:
    // Windows are told apart by a number of their own: a discarded window and the fresh
    // one made under its name in the same action are two windows for the page.
    using WindowId = quint64;
    enum class EventKind { Created, Discarded };
    struct Event {
        EventKind kind;
        WindowId window;
        QString name;
    };
    // A changed property: the window's own (empty control) or a control's.
    struct Changed {
        QString control;
        int property;
        bool operator<(const Changed &other) const
        {
            return std::tie(control, property) < std::tie(other.control, other.property);
        }
    };

    Window *live(WindowId id) const;

    Application &app_;
    std::map<const Window *, WindowId> ids_; // the loaded windows
    WindowId nextId_ = 1;
    std::set<WindowId> knownToPage_;
    std::vector<Event> events_;
    // Changes of windows the page already has, in the order of their first change.
    std::vector<std::pair<WindowId, Changed>> changed_;
    std::set<std::pair<WindowId, Changed>> changedSet_;
    const Window *front_ = nullptr;
};

} // namespace korvalde::web
