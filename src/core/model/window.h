#pragma once

#include "model/control.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace korvalde {

class Application;

enum class WindowProperty { Title, Shown, Enabled };

enum class WindowKind { Page, Dialog };

// A window of the program: a page of the wizard or a mount-choice dialog. It owns its
// controls in layout order; the rules find them by name.
class Window {
public:
    Window(Application &app, QString name, WindowKind kind, QString title);
    virtual ~Window() = default;
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    Application &app() const { return app_; }
    const QString &name() const { return name_; }
    WindowKind kind() const { return kind_; }

    const QString &title() const { return title_; }
    void setTitle(const QString &title);
    bool isShown() const { return shown_; }
    void setShown(bool shown);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Layout: adds a control; names are unique within a window.
    Control &add(const QString &name, ControlKind kind, const QString &text, Placement placement = {});

    // The named control; a name the window does not have is a programming error.
    Control &operator[](const QString &name) const;
    Control *find(const QString &name) const;
    const std::vector<std::unique_ptr<Control>> &controls() const { return controls_; }

    // Runs once, right after the window was created and registered.
    void onLoad(std::function<void()> operation) { load_ = std::move(operation); }
    // The user closed the window with its own close control.
    void onClose(std::function<void()> operation) { close_ = std::move(operation); }
    // Runs when the window is discarded, before it stops counting as loaded.
    void onDiscard(std::function<void()> operation) { discard_ = std::move(operation); }
    void runLoad();
    void runClose();
    void runDiscard();

    // A discarded window no longer counts as loaded; it is freed once the user's action
    // that discarded it has returned, and it reports no more changes.
    bool isDiscarded() const { return discarded_; }
    void markDiscarded() { discarded_ = true; }

private:
    void notify(WindowProperty property);

    Application &app_;
    QString name_;
    WindowKind kind_;
    QString title_;
    bool shown_ = false;
    bool enabled_ = true;
    bool discarded_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<QString, Control *> byName_;
    std::function<void()> load_;
    std::function<void()> close_;
    std::function<void()> discard_;
};

} // namespace korvalde
