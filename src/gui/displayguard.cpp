#include "displayguard.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace korvalde::gui {

namespace {

constexpr int kNoDisplayStatus = 1;

QtMessageHandler passOn = nullptr;
QList<std::pair<QtMsgType, QString>> heldBack;

// Qt names a display in one of these; without any, there is no display to connect to.
bool displayNamed()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void holdBack(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtFatalMsg) {
        heldBack.append({type, text});
        return;
    }
    // Qt ends the program after a fatal message. Without a display that is the whole
    // story; with one, the platform plugin failed, and only Qt's own messages tell why.
    if (!displayNamed()) {
        std::fputs("korvalde: Keine grafische Anzeige gefunden; Korvalde läuft nur auf einem Bildschirm "
                   "(DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt oder nicht erreichbar).\n",
                   stderr);
    } else {
        std::fputs("korvalde: Die grafische Oberfläche lässt sich nicht starten. Qt meldet:\n", stderr);
        heldBack.append({type, text});
        for (const auto &held : std::as_const(heldBack))
            std::fprintf(stderr, "  %s\n", qUtf8Printable(held.second));
    }
    std::_Exit(kNoDisplayStatus);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    passOn = qInstallMessageHandler(holdBack);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(passOn);
    for (const auto &[type, text] : std::exchange(heldBack, {})) {
        if (passOn != nullptr)
            passOn(type, QMessageLogContext(), text);
    }
}

} // namespace korvalde::gui
