#pragma once

#include "frontend.h"
#include "model/application.h"

#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace korvalde::test {

// A front end over windows the test lays out itself, so the widgets' behaviour is tested
// apart from the program's pages. Message boxes are recorded instead of shown.
class GuiFixture : public ::testing::Test {
protected:
    using Layout = std::function<void(Window &)>;

    GuiFixture()
    {
        frontend.setMessageRunner([this](QMessageBox &box) { messages.push_back(box.text()); });
        frontend.setEndHandler([this] { ended = true; });
    }

    void addWindow(const QString &name, WindowKind kind, const QString &title, Layout layout)
    {
        layouts[name] = {kind, title, std::move(layout)};
    }

    void start(const QString &first)
    {
        QStringList names;
        for (const auto &[name, layout] : layouts)
            names << name;
        app = std::make_unique<Application>(
            frontend,
            [this](Application &owner, const QString &name) {
                const WindowLayout &layout = layouts.at(name);
                auto window = std::make_unique<Window>(owner, name, layout.kind, layout.title);
                layout.build(*window);
                return window;
            },
            names);
        frontend.attach(*app);
        app->start(first);
        settle();
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename WidgetType> WidgetType *widget(const QString &window, const QString &control) const
    {
        return qobject_cast<WidgetType *>(frontend.widget(window, control));
    }

    struct WindowLayout {
        WindowKind kind;
        QString title;
        Layout build;
    };

    std::map<QString, WindowLayout> layouts;
    QStringList messages;
    bool ended = false;
    gui::Frontend frontend;
    std::unique_ptr<Application> app; // goes before the front end
};

} // namespace korvalde::test
