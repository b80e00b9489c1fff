#pragma once

#include "model/weaponcard.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// How saving a file ended.
struct SaveResult {
    enum class Outcome { Saved, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    // Where the bytes went: the file chosen (with its folder) or the name they were handed
    // over under. Empty when cancelled.
    QString fileName;
    // The user chose fileName in a dialog, so that the next save of the same file offers it.
    bool chosenByUser = false;
    QString reason; // why it failed
};

struct OpenRequest {
    QStringList filters; // for example "Waffenblätter (*.txt)", the first one chosen
};

// What the core needs from the desktop: message boxes, the file dialogs, the printer and
// the end of the program. The front end shows real dialogs; tests record and answer them.
// No call waits for an answer the platform cannot give at once: a platform that serves a
// remote user (a browser) shows the box, hands over the file or opens its own picker
// after the user action has returned.
class Platform {
public:
    virtual ~Platform() = default;
    // A message box whose only answer is OK. The desktop returns when the user has closed
    // it; a remote platform shows it once the user action is done. Nothing depends on which.
    virtual void showMessage(const MessageBox &message) = 0;
    // The chosen file name, or nothing when the user cancelled.
    virtual std::optional<QString> askSaveFileName(const SaveRequest &request) = 0;
    // Hands `bytes` to the user as a file. The desktop asks for a file name and writes the
    // file whole there; a browser downloads it under the suggested name.
    virtual SaveResult saveFile(const SaveRequest &request, const QByteArray &bytes);
    // The file chosen to open, or nothing when the user cancelled. A desktop without an
    // open dialog offers nothing to open; a browser answers nothing at once and offers its
    // own picker, whose upload the front end then opens.
    virtual std::optional<QString> askOpenFileName(const OpenRequest &) { return std::nullopt; }
    // The file has been written whole; a desktop confirms it to the user.
    virtual void fileSaved(const QString & /*fileName*/) {}
    // Asks for a printer and prints the card there; cancelling prints nothing. A platform
    // without printers has nothing to print on.
    virtual void printCard(const WeaponCard &card) { (void)card; }
    virtual void endProgram() = 0;
};

// What the status line says once a file has been saved.
QString savedNotice(const QString &fileName);

} // namespace korvalde
