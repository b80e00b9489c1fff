#include "afterfirstpaint.h"
#include "app/windowfactory.h"
#include "appicon.h"
#include "commandline.h"
#include "displayguard.h"
#include "frontend.h"
#include "germantranslation.h"
#include "wizard/windows.h"

#include <QApplication>

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
    gui::useGermanNumbers();

    gui::Frontend frontend;
    Application app(frontend, createWindow, windowNames());
    frontend.attach(app);
    app.start(windows::startPage);
    // Neither the icon nor Qt's own German texts are needed to see the start page: both
    // come once it is on screen, before a sheet named on the command line is opened, so
    // that a message about the file stands over the page in German.
    gui::afterFirstPaint(frontend.mainWindow(), [&application, &frontend, sheet = commandLine.sheet] {
        QApplication::setWindowIcon(gui::applicationIcon());
        gui::installGermanTranslation(application);
        if (!sheet.isEmpty())
            frontend.openSheet(sheet);
    });
    return QApplication::exec();
}
