#include "app/windowfactory.h"

#include "wizard/windows.h"

namespace korvalde {

const QStringList &windowNames()
{
    static const QStringList names = [] {
        QStringList all;
        for (const WindowRow &row : windowTable())
            all << row.name;
        return all;
    }();
    return names;
}

std::unique_ptr<Window> createWindow(Application &app, const QString &name)
{
    return windowRow(name).create(app);
}

std::unique_ptr<Application> startKorvalde(Platform &platform)
{
    auto app = std::make_unique<Application>(platform, createWindow, windowNames());
    app->start(windows::startPage);
    return app;
}

} // namespace korvalde
