#include "scenario.h"

#include "messages.h"

#include <QHash>
#include <QStringDecoder>

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
        {"expect-file", "QQ"}, {"expect-no-file", "Q"}, {"open", "Q"},
        {"open-cancel", ""},   {"copy", "QQ"},
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
        return QStringLiteral("unknown command %1").arg(shownValue(command.verb));
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
                return QStringLiteral("bad address %1").arg(shownText(token.text));
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
                return QStringLiteral("expected a bare whole number, found %1").arg(shownText(token.text));
            break;
        }
        case 'Q':
            if (!token.quoted)
                return QStringLiteral("expected a quoted string, found %1").arg(shownText(token.text));
            (quotedSeen++ == 0 ? command.value : command.text) = token.text;
            break;
        }
    }
    if (command.verb == "expect" && command.control.isEmpty() && command.window.isEmpty())
        return QStringLiteral("bad address");
    const bool dialogName = command.verb == "save" || command.verb == "open";
    for (const FileName &file : fileNames(command)) {
        if (const QString bad = badFileName(file.name, dialogName); !bad.isEmpty())
            return bad;
    }
    return std::nullopt;
}

} // namespace

std::vector<FileName> fileNames(const Command &command)
{
    const QString &verb = command.verb;
    if (verb == "save" || verb == "open" || verb == "expect-line" || verb == "expect-lines" || verb == "expect-no-file")
        return {{command.value, FileBase::Output}};
    if (verb == "expect-file")
        return {{command.value, FileBase::Output}, {command.text, FileBase::ScenarioFolder}};
    if (verb == "copy")
        return {{command.value, FileBase::ScenarioFolder}, {command.text, FileBase::Output}};
    return {};
}

QString badFileName(const QString &name, bool mayBeEmpty)
{
    if (name.isEmpty())
        return mayBeEmpty ? QString() : QStringLiteral("empty file name");
    if (name.startsWith('/'))
        return QStringLiteral("file name %1 is absolute; only relative names are allowed").arg(shownValue(name));
    if (name.split('/').contains(QStringLiteral("..")))
        return QStringLiteral("file name %1 steps out with \"..\"").arg(shownValue(name));
    if (name.contains(QChar(0)))
        return QStringLiteral("file name %1 holds a NUL character").arg(shownValue(name));
    return {};
}

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
            scenario.error = ParseError{lineNumber, QStringLiteral("cannot parse: %1").arg(shownText(trimmed))};
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
    if (scenario.commands.empty())
        scenario.error = ParseError{1, QStringLiteral("no command")};
    return scenario;
}

Scenario parseScenarioBytes(const QString &path, const QByteArray &bytes)
{
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    const QList<QByteArray> lines = content.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(lines[index]);
        if (decoder.hasError()) {
            Scenario scenario;
            scenario.path = path;
            scenario.error = ParseError{int(index) + 1, QStringLiteral("not valid UTF-8")};
            return scenario;
        }
    }
    return parseScenario(path, QString::fromUtf8(content));
}

} // namespace korvalde::scenario
