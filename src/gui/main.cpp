#include "afterfirstpaint.h"
#include "app/windowfactory.h"
#include "appicon.h"
#include "frontend.h"
#include "germantranslation.h"

#include <QApplication>

using namespace korvalde;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvalde"));
    // The desktop file name lets the desktop match the windows to the installed entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvalde.Korvalde"));
    gui::useGermanNumbers();

    gui::Frontend frontend;
    Application app(frontend, createWindow, windowNames());
    frontend.attach(app);
    app.start(QStringLiteral("Form1"));
    // Neither is needed to see the start page: the icon is drawn and Qt's own German
    // texts are read once the page is on screen.
    gui::afterFirstPaint(frontend.mainWindow(), [&application] {
        QApplication::setWindowIcon(gui::applicationIcon());
        gui::installGermanTranslation(application);
    });
    return QApplication::exec();
}
