#pragma once

#include "model/weaponcard.h"

#include <QString>

#include <optional>

namespace korvalde {

enum class MessageIcon { None, Information, Warning };

struct MessageBox {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    QString informativeText;
};

struct SaveRequest {
    QString filter;             // for example "Textdateien (*.txt)"
    QString suggestedName = {}; // the file name the dialog offers, without a folder
};

// What the core needs from the desktop: modal message boxes, the save-file dialog, the
// printer and the end of the program. The front end shows real dialogs; tests record and answer them.
class Platform {
public:
    virtual ~Platform() = default;
    // Modal: returns when the user has closed the box with OK.
    virtual void showMessage(const MessageBox &message) = 0;
    // The chosen file name, or nothing when the user cancelled.
    virtual std::optional<QString> askSaveFileName(const SaveRequest &request) = 0;
    // The file has been written whole; a desktop confirms it to the user.
    virtual void fileSaved(const QString & /*fileName*/) {}
    // Asks for a printer and prints the card there; cancelling prints nothing. A platform
    // without printers has nothing to print on.
    virtual void printCard(const WeaponCard &card) { (void)card; }
    virtual void endProgram() = 0;
};

} // namespace korvalde
