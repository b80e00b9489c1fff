#include "app/windowfactory.h"
#include "appicon.h"
#include "commandline.h"
#include "displayguard.h"
#include "frontend.h"
#include "germantranslation.h"
#include "wizard/windows.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace korvalde;

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    // Before the display is needed: --help and --version answer on any terminal.
    const gui::CommandLine commandLine = gui::readCommandLine(argumentList(argc, argv));
    if (commandLine.exitStatus) {
        std::fputs(qUtf8Printable(commandLine.output), stdout);
        std::fputs(qUtf8Printable(commandLine.error), stderr);
        return *commandLine.exitStatus;
    }
    std::optional<gui::DisplayGuard> displayGuard(std::in_place);
    QApplication application(argc, argv);
    displayGuard.reset();
    QApplication::setApplicationName(QStringLiteral("Korvalde"));
    // The desktop file name lets the desktop match the windows to the installed entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvalde.Korvalde"));
    QApplication::setWindowIcon(gui::applicationIcon());
    gui::installGermanTranslation(application);

    gui::Frontend frontend;
    Application app(frontend, createWindow, windowNames());
    frontend.attach(app);
    app.start(windows::startPage);
    if (!commandLine.sheet.isEmpty()) {
        // Once the start page is on screen, so a message about the file stands over it.
        QTimer::singleShot(0, &application, [&frontend, sheet = commandLine.sheet] { frontend.openSheet(sheet); });
    }
    return QApplication::exec();
}
