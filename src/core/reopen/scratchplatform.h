#pragma once

#include "model/platform.h"

#include <vector>

namespace korvalde::reopen {

// The desktop of a program nobody sees: message boxes are recorded and closed, the file
// dialogs are cancelled and the end is only noted.
class ScratchPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages.push_back(message); }
    std::optional<QString> askSaveFileName(const SaveRequest &) override { return std::nullopt; }
    void endProgram() override {}

    std::vector<MessageBox> messages;
};

} // namespace korvalde::reopen
