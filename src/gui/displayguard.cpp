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

void holdBack(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // Qt ends the program after a fatal message; the only one it gives while connecting
    // is that there is no display to connect to.
    if (type == QtFatalMsg) {
        std::fputs("korvalde: Keine grafische Anzeige gefunden; Korvalde läuft nur auf einem Bildschirm "
                   "(DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt oder nicht erreichbar).\n",
                   stderr);
        std::_Exit(kNoDisplayStatus);
    }
    heldBack.append({type, text});
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
