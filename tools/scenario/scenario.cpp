#include "scenario.h"

#include <QHash>

namespace korvalde::scenario {

std::optional<std::vector<Token>> tokenize(const QString &line)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const QChar c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (i >= line.size() || (line[i] != '"' && line[i] != '\\'))
                        return std::nullopt;
                    token.text += line[i++];
                } else {
                    token.text += c;
                }
            }
            if (!closed)
                return std::nullopt;
            // A string must stand alone: "a"b is no token.
            if (i < line.size() && !line[i].isSpace())
                return std::nullopt;
        } else {
            while (i < line.size() && !line[i].isSpace()) {
                if (line[i] == '"')
                    return std::nullopt;
                token.text += line[i++];
            }
        }
        tokens.push_back(token);
    }
    return tokens;
}

namespace {

// The shape of each command: W = address, Q = quoted string, N = bare whole number,
// V = expect's value (quoted or bare, checked against the property later).
const QHash<QString, QString> &commandShapes()
{
    static const QHash<QString, QString> shapes = {
        {"click", "W"},        {"pick", "WQ"},          {"type", "WQ"},
        {"close", "W"},        {"save", "Q"},           {"save-cancel", ""},
        {"expect", "WPV"},     {"expect-message", "Q"}, {"expect-no-message", ""},
        {"expect-ended", ""},  {"expect-line", "QNQ"},  {"expect-lines", "QN"},
        {"expect-file", "QQ"}, {"expect-no-file", "Q"},
    };
    return shapes;
}

bool parseAddress(const QString &address, Command &command)
{
    const qsizetype dot = address.indexOf('.');
    command.window = dot < 0 ? address : address.left(dot);
    command.control = dot < 0 ? QString() : address.mid(dot + 1);
    return !command.window.isEmpty() && (dot < 0 || !command.control.isEmpty()) && !command.control.contains('.');
}

std::optional<QString> parseLine(const std::vector<Token> &tokens, Command &command)
{
    command.verb = tokens[0].text;
    if (tokens[0].quoted || !commandShapes().contains(command.verb))
        return QStringLiteral("unknown command \"%1\"").arg(command.verb);
    const QString shape = commandShapes().value(command.verb);
    if (qsizetype(tokens.size()) - 1 != shape.size())
        return QStringLiteral("%1 takes %2 argument(s), found %3")
            .arg(command.verb)
            .arg(shape.size())
            .arg(tokens.size() - 1);
    int quotedSeen = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const Token &token = tokens[i + 1];
        switch (shape[i].toLatin1()) {
        case 'W':
            if (token.quoted || !parseAddress(token.text, command))
                return QStringLiteral("bad address %1").arg(token.text);
            break;
        case 'P':
            if (token.quoted)
                return QStringLiteral("a property is written bare");
            command.property = token.text;
            break;
        case 'V':
            command.value = token.text;
            command.valueQuoted = token.quoted;
            break;
        case 'N': {
            bool ok = false;
            command.number = token.text.toInt(&ok);
            if (token.quoted || !ok || command.number < 0)
                return QStringLiteral("expected a bare whole number, found %1").arg(token.text);
            break;
        }
        case 'Q':
            if (!token.quoted)
                return QStringLiteral("expected a quoted string, found %1").arg(token.text);
            (quotedSeen++ == 0 ? command.value : command.text) = token.text;
            break;
        }
    }
    if (command.verb == "expect" && command.control.isEmpty() && command.window.isEmpty())
        return QStringLiteral("bad address");
    return std::nullopt;
}

} // namespace

Scenario parseScenario(const QString &path, const QString &text)
{
    Scenario scenario;
    scenario.path = path;
    const QStringList lines = text.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith('\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const int lineNumber = int(index) + 1;
        const std::optional<std::vector<Token>> tokens = tokenize(trimmed);
        if (!tokens) {
            scenario.error = ParseError{lineNumber, QStringLiteral("cannot parse: %1").arg(trimmed)};
            return scenario;
        }
        Command command;
        command.line = lineNumber;
        if (const std::optional<QString> error = parseLine(*tokens, command)) {
            scenario.error = ParseError{lineNumber, *error};
            return scenario;
        }
        scenario.commands.push_back(command);
    }
    return scenario;
}

} // namespace korvalde::scenario
