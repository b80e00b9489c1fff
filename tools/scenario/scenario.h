#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korvalde::scenario {

// One line of a scenario file, parsed.
struct Command {
    int line = 0;
    QString verb;     // click, pick, type, close, save, save-cancel, open, copy, expect, expect-message, ...
    QString window;   // for addressed commands
    QString control;  // empty when a window alone is addressed
    QString property; // expect
    QString value;    // expect's value, pick's entry, type's text, message text, file name
    bool valueQuoted = false;
    int number = 0; // expect-line's line, expect-lines' count
    QString text;   // expect-line's text, expect-file's expected file, copy's name
};

// Which folder a file name of a command is read in.
enum class FileBase { Output, ScenarioFolder };
struct FileName {
    QString name;
    FileBase base = FileBase::Output;
};
// The file names a command carries, each with the folder it must stay inside.
std::vector<FileName> fileNames(const Command &command);

// Why a file name of a scenario may not be used as written (absolute, or with a ".."
// step), or an empty text when it is a relative name. `mayBeEmpty`: the name goes to a
// file dialog, which judges an empty name itself.
QString badFileName(const QString &name, bool mayBeEmpty);

struct ParseError {
    int line = 0;
    QString message;
};

struct Scenario {
    QString path;
    std::vector<Command> commands;
    std::optional<ParseError> error; // the first line that could not be parsed
};

// Splits a line into words and quoted strings ("\"" is a quote, "\\" a backslash).
// Returns nothing for a line with an unterminated string or a bad escape.
struct Token {
    QString text;
    bool quoted = false;
};
std::optional<std::vector<Token>> tokenize(const QString &line);

// Parses scenario text; stops at the first line it cannot parse. A text without a single
// command fails at line 1.
Scenario parseScenario(const QString &path, const QString &text);

// Parses a scenario file's bytes: a file that is not valid UTF-8 fails at the first line
// that is not.
Scenario parseScenarioBytes(const QString &path, const QByteArray &bytes);

} // namespace korvalde::scenario
