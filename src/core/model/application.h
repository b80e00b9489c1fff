#pragma once

#include "model/platform.h"
#include "model/window.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace korvalde {

// Learns of every change of the model: the front end mirrors it, nothing else.
class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    virtual void windowCreated(Window &) {}
    // Sent when the window is marked discarded; the object itself lives a little longer.
    virtual void windowDiscarded(Window &) {}
    virtual void windowChanged(Window &, WindowProperty) {}
    virtual void controlChanged(Control &, ControlProperty) {}
    virtual void programEnded() {}
};

// The program's windows. Rules reach a window through window(), which creates and loads
// it on first touch; tests and the front end look through find(), which never creates.
class Application {
public:
    using WindowFactory = std::function<std::unique_ptr<Window>(Application &, const QString &)>;

    Application(Platform &platform, WindowFactory factory, QStringList windowNames);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Platform &platform() const { return platform_; }

    // Creates the first window and shows it.
    void start(const QString &firstWindow);

    // A program of the same windows over another platform, started where this one was:
    // what a rebuild tries its clicks in, unseen.
    std::unique_ptr<Application> twin(Platform &platform) const;

    // The window, created and loaded on first touch. While its load runs it is already
    // reachable, so a load that reaches back into it does not create it twice.
    Window &window(const QString &name);
    Window *find(const QString &name) const;
    bool isLoaded(const QString &name) const { return find(name) != nullptr; }
    bool isKnownWindow(const QString &name) const { return windowNames_.contains(name); }
    const QStringList &windowNames() const { return windowNames_; }
    // Loaded windows in creation order.
    std::vector<Window *> loadedWindows() const;

    // Marks the window discarded at once; it is freed when the current user action ends.
    void discard(const QString &name);

    // The program has ended: every window is gone from the user's view.
    void end();
    bool hasEnded() const { return ended_; }

    // Within a user action the box waits until the outermost action's steps are all done,
    // so that everything behind it already shows the action's result; boxes raised by one
    // action come one after the other, in the order they were raised.
    void showMessage(const MessageBox &message);

    void addObserver(ModelObserver *observer);
    void removeObserver(ModelObserver *observer);

    // What the user can do. Each returns an empty text when done, otherwise why the user
    // could not do it (the action then changes nothing).
    QString userClick(const QString &window, const QString &control);
    QString userPick(const QString &window, const QString &control, const QString &entry);
    QString userType(const QString &window, const QString &control, const QString &text);
    QString userClose(const QString &window);
    // Why the user cannot reach the control now, or an empty text.
    QString whyUnreachable(const QString &window, const QString &control) const;

    // Runs an operation as one user action: windows discarded during it are freed after it.
    void runUserAction(const std::function<void()> &action);

    // Used by windows and controls to report changes.
    void notifyWindow(Window &window, WindowProperty property);
    void notifyControl(Control &control, ControlProperty property);

private:
    void freeDiscarded();
    void showHeldMessages();

    Platform &platform_;
    WindowFactory factory_;
    QStringList windowNames_;
    QString firstWindow_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> discarded_;
    std::vector<ModelObserver *> observers_;
    std::deque<MessageBox> heldMessages_;
    int actionDepth_ = 0;
    bool ended_ = false;
};

} // namespace korvalde
