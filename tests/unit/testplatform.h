#pragma once

#include "model/platform.h"

#include <QStringList>

#include <optional>

namespace korvalde::test {

// Closes every message box with OK at once and remembers it; answers the save dialog
// with `saveAnswer`; notes every file saved.
class TestPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages.push_back(message); }
    std::optional<QString> askSaveFileName(const SaveRequest &request) override
    {
        lastSaveRequest = request;
        return saveAnswer;
    }
    void endProgram() override { ended = true; }
    void fileSaved(const QString &fileName) override { saved << fileName; }

    std::vector<MessageBox> messages;
    std::optional<QString> saveAnswer;
    std::optional<SaveRequest> lastSaveRequest;
    QStringList saved;
    bool ended = false;
};

} // namespace korvalde::test
