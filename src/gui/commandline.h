#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvalde::gui {

// What the command line asks for. Read before the windowing system is started, so that
// --help and --version answer without a display.
struct CommandLine {
    // Set when the program is to end at once: the text for standard output (help,
    // version) or standard error (a wrong argument), and the exit status.
    std::optional<int> exitStatus;
    QString output;
    QString error;
    // A saved weapon sheet to open at the start, or empty.
    QString sheet;
};

CommandLine readCommandLine(const QStringList &arguments);

} // namespace korvalde::gui
