#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korvalde::scenario {

// One line of a scenario file, parsed.
struct Command {
    int line = 0;
    QString verb;     // click, pick, type, close, save, save-cancel, expect, expect-message, ...
    QString window;   // for addressed commands
    QString control;  // empty when a window alone is addressed
    QString property; // expect
    QString value;    // expect's value, pick's entry, type's text, message text, file name
    bool valueQuoted = false;
    int number = 0; // expect-line's line, expect-lines' count
    QString text;   // expect-line's text, expect-file's expected file
};

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

// Parses scenario text; stops at the first line it cannot parse.
Scenario parseScenario(const QString &path, const QString &text);

} // namespace korvalde::scenario
