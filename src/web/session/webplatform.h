#pragma once

#include "model/platform.h"

#include <QJsonArray>

namespace korvalde::web {

// The platform of a design session in a browser. It answers every call at once and notes
// what the page is to do once the user action is done: show a message box, download a
// file, offer its file picker, print the card. Nothing here ever waits for the browser.
class WebPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override;
    // Never asked: a browser saves by downloading (see saveFile).
    std::optional<QString> askSaveFileName(const SaveRequest &) override { return std::nullopt; }
    // The bytes go to the page as a download under the suggested name. Nothing is chosen,
    // so the next save is offered under the weapon's name as it is then.
    SaveResult saveFile(const SaveRequest &request, const QByteArray &bytes) override;
    // The page offers its file picker; the file the user picks arrives as an upload.
    std::optional<QString> askOpenFileName(const OpenRequest &request) override;
    void fileSaved(const QString &fileName) override;
    void printCard(const WeaponCard &card) override;
    void endProgram() override;

    bool hasEnded() const { return ended_; }
    // What the page is to do, in the order the core asked for it; taken, it is forgotten.
    QJsonArray takeRequests();

private:
    QJsonArray requests_;
    bool ended_ = false;
};

} // namespace korvalde::web
