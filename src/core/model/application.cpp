#include "model/application.h"

#include <algorithm>
#include <stdexcept>

namespace korvalde {

Application::Application(Platform &platform, WindowFactory factory, QStringList windowNames)
    : platform_(platform), factory_(std::move(factory)), windowNames_(std::move(windowNames))
{
}

Application::~Application() = default;

void Application::start(const QString &firstWindow)
{
    firstWindow_ = firstWindow;
    runUserAction([&] { window(firstWindow).setShown(true); });
}

std::unique_ptr<Application> Application::twin(Platform &platform) const
{
    auto twin = std::make_unique<Application>(platform, factory_, windowNames_);
    twin->start(firstWindow_);
    return twin;
}

Window &Application::window(const QString &name)
{
    if (Window *existing = find(name))
        return *existing;
    if (!windowNames_.contains(name))
        throw std::logic_error("no window " + name.toStdString());
    std::unique_ptr<Window> created = factory_(*this, name);
    Window &window = *created;
    windows_.push_back(std::move(created));
    for (ModelObserver *observer : observers_)
        observer->windowCreated(window);
    window.runLoad();
    return window;
}

Window *Application::find(const QString &name) const
{
    for (const auto &window : windows_) {
        if (window->name() == name)
            return window.get();
    }
    return nullptr;
}

std::vector<Window *> Application::loadedWindows() const
{
    std::vector<Window *> result;
    for (const auto &window : windows_)
        result.push_back(window.get());
    return result;
}

void Application::discard(const QString &name)
{
    auto it =
        std::find_if(windows_.begin(), windows_.end(), [&](const auto &window) { return window->name() == name; });
    if (it == windows_.end())
        return;
    (*it)->runDiscard();
    it = std::find_if(windows_.begin(), windows_.end(), [&](const auto &window) { return window->name() == name; });
    if (it == windows_.end())
        return;
    std::unique_ptr<Window> window = std::move(*it);
    windows_.erase(it);
    for (ModelObserver *observer : observers_)
        observer->windowDiscarded(*window);
    window->markDiscarded();
    discarded_.push_back(std::move(window));
    if (actionDepth_ == 0)
        freeDiscarded();
}

void Application::freeDiscarded()
{
    discarded_.clear();
}

void Application::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (const auto &window : windows_)
        window->setShown(false);
    for (ModelObserver *observer : observers_)
        observer->programEnded();
    platform_.endProgram();
}

void Application::addObserver(ModelObserver *observer)
{
    observers_.push_back(observer);
}

void Application::removeObserver(ModelObserver *observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Application::notifyWindow(Window &window, WindowProperty property)
{
    if (window.isDiscarded())
        return;
    for (ModelObserver *observer : observers_)
        observer->windowChanged(window, property);
}

void Application::notifyControl(Control &control, ControlProperty property)
{
    if (control.window().isDiscarded())
        return;
    for (ModelObserver *observer : observers_)
        observer->controlChanged(control, property);
}

void Application::showMessage(const MessageBox &message)
{
    if (actionDepth_ > 0)
        heldMessages_.push_back(message);
    else
        platform_.showMessage(message);
}

void Application::runUserAction(const std::function<void()> &action)
{
    ++actionDepth_;
    try {
        action();
    } catch (...) {
        if (--actionDepth_ == 0)
            heldMessages_.clear();
        throw;
    }
    if (--actionDepth_ == 0) {
        freeDiscarded();
        showHeldMessages();
    }
}

void Application::showHeldMessages()
{
    // A box runs modally; whatever it lets happen meanwhile is an action of its own.
    while (!heldMessages_.empty()) {
        const MessageBox message = std::move(heldMessages_.front());
        heldMessages_.pop_front();
        platform_.showMessage(message);
    }
}

QString Application::whyUnreachable(const QString &windowName, const QString &controlName) const
{
    if (ended_)
        return QStringLiteral("the program has ended");
    const Window *window = find(windowName);
    if (window == nullptr)
        return QStringLiteral("window %1 is not loaded").arg(windowName);
    if (!window->isShown())
        return QStringLiteral("window %1 is not shown").arg(windowName);
    if (!window->isEnabled())
        return QStringLiteral("window %1 is disabled").arg(windowName);
    if (controlName.isEmpty())
        return {};
    const Control *control = window->find(controlName);
    if (control == nullptr)
        return QStringLiteral("window %1 has no control %2").arg(windowName, controlName);
    if (!control->isShownInLayout())
        return QStringLiteral("%1.%2 is hidden").arg(windowName, controlName);
    if (!control->isEnabledInLayout())
        return QStringLiteral("%1.%2 is disabled").arg(windowName, controlName);
    return {};
}

QString Application::userClick(const QString &windowName, const QString &controlName)
{
    if (QString why = whyUnreachable(windowName, controlName); !why.isEmpty())
        return why;
    Control &control = (*find(windowName))[controlName];
    switch (control.kind()) {
    case ControlKind::CheckBox:
        runUserAction([&] { control.setChecked(control.isUnchecked()); });
        return {};
    case ControlKind::OptionButton:
        runUserAction([&] { control.setState(CheckState::Checked); });
        return {};
    case ControlKind::Button:
    case ControlKind::MenuItem:
        runUserAction([&] { control.press(); });
        return {};
    default:
        return QStringLiteral("%1.%2 cannot be clicked").arg(windowName, controlName);
    }
}

QString Application::userPick(const QString &windowName, const QString &controlName, const QString &entry)
{
    if (QString why = whyUnreachable(windowName, controlName); !why.isEmpty())
        return why;
    Control &control = (*find(windowName))[controlName];
    if (control.kind() != ControlKind::ComboBox)
        return QStringLiteral("%1.%2 is no list").arg(windowName, controlName);
    if (!control.items().contains(entry))
        return QStringLiteral("%1.%2 has no entry \"%3\"").arg(windowName, controlName, entry);
    runUserAction([&] {
        control.setText(entry);
        control.press();
    });
    return {};
}

QString Application::userType(const QString &windowName, const QString &controlName, const QString &text)
{
    if (QString why = whyUnreachable(windowName, controlName); !why.isEmpty())
        return why;
    Control &control = (*find(windowName))[controlName];
    if (control.kind() != ControlKind::EditField)
        return QStringLiteral("%1.%2 cannot be typed into").arg(windowName, controlName);
    runUserAction([&] { control.setText(text); });
    return {};
}

QString Application::userClose(const QString &windowName)
{
    if (ended_)
        return QStringLiteral("the program has ended");
    Window *window = find(windowName);
    if (window == nullptr)
        return QStringLiteral("window %1 is not loaded").arg(windowName);
    if (!window->isShown())
        return QStringLiteral("window %1 is not shown").arg(windowName);
    runUserAction([&] { window->runClose(); });
    return {};
}

} // namespace korvalde
