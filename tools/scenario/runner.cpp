#include "runner.h"

#include "filechecks.h"
#include "filenames.h"
#include "messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace korvalde::scenario {

namespace {

using Kinds = QSet<ControlKind>;

const QHash<QString, Kinds> &controlProperties()
{
    const Kinds any = {ControlKind::CheckBox,  ControlKind::OptionButton, ControlKind::TextField, ControlKind::TextArea,
                       ControlKind::EditField, ControlKind::ComboBox,     ControlKind::Button,    ControlKind::Label,
                       ControlKind::Frame,     ControlKind::MenuItem,     ControlKind::Picture};
    static const QHash<QString, Kinds> properties = {
        {"text",
         {ControlKind::TextField, ControlKind::TextArea, ControlKind::EditField, ControlKind::ComboBox,
          ControlKind::Frame, ControlKind::Label}},
        {"caption", {ControlKind::CheckBox, ControlKind::OptionButton, ControlKind::Button, ControlKind::MenuItem}},
        {"tooltip", any},
        {"state", {ControlKind::CheckBox, ControlKind::OptionButton}},
        {"enabled", any},
        {"visible", any},
        {"items", {ControlKind::ComboBox}},
    };
    return properties;
}

const QSet<QString> &windowProperties()
{
    static const QSet<QString> properties = {"shown", "enabled", "loaded", "title"};
    return properties;
}

// Which values a property takes: a quoted text, or one of a few bare words.
std::optional<QString> checkValue(const Command &command, std::optional<ControlKind> kind)
{
    const QString &property = command.property;
    QStringList words;
    if (property == "state")
        words = kind == ControlKind::OptionButton ? QStringList{"unchecked", "checked"}
                                                  : QStringList{"unchecked", "checked", "grayed"};
    else if (property == "enabled" || property == "visible" || property == "shown" || property == "loaded")
        words = {"true", "false"};
    if (words.isEmpty()) {
        if (!command.valueQuoted)
            return QStringLiteral("%1 takes a quoted value").arg(property);
    } else if (command.valueQuoted || !words.contains(command.value)) {
        return QStringLiteral("%1 takes one of %2").arg(property, words.join(", "));
    }
    return std::nullopt;
}

QString quoted(const QString &text)
{
    return shownValue(text);
}

QString shownPropertyValue(const Command &command, const QString &value)
{
    return command.valueQuoted ? quoted(value) : shownText(value);
}

class ScenarioRun {
public:
    ScenarioRun(Driver &driver, const RunContext &context) : driver_(driver), context_(context) {}

    std::optional<QString> run(const Command &command)
    {
        const QString &verb = command.verb;
        if (const std::optional<QString> outside = leavesItsFolder(command))
            return outside;
        if (verb == "open" || verb == "open-cancel" || verb == "copy")
            return reopen(command);
        if (verb.startsWith("expect"))
            return expect(command);
        if (driver_.hasEnded())
            return QStringLiteral("the program has ended");
        if (!driver_.isKnownWindow(command.window) && verb != "save" && verb != "save-cancel")
            return QStringLiteral("unknown window %1").arg(shownText(command.window));
        QString why;
        if (verb == "click")
            why = needsControl(command) ? driver_.click(command.window, command.control) : QString("no control given");
        else if (verb == "pick")
            why = needsControl(command) ? driver_.pick(command.window, command.control, command.value)
                                        : QString("no control given");
        else if (verb == "type")
            why = needsControl(command) ? driver_.type(command.window, command.control, command.value)
                                        : QString("no control given");
        else if (verb == "close")
            why = command.control.isEmpty() ? driver_.close(command.window) : QString("close takes a window");
        else if (verb == "save")
            why = driver_.save(command.value.isEmpty() ? QString() : QDir(context_.outDir).filePath(command.value));
        else if (verb == "save-cancel")
            why = driver_.save(std::nullopt);
        collectMessages(command.line);
        if (!why.isEmpty() && verb == "save")
            return QStringLiteral("cannot save %1: %2").arg(quoted(command.value), why);
        if (!why.isEmpty())
            return QStringLiteral("cannot %1: %2").arg(verb, why);
        return std::nullopt;
    }

    // Messages nobody expected, reported at the line that showed the first of them.
    std::optional<Failure> leftovers()
    {
        collectMessages(lastLine_);
        if (pending_.isEmpty())
            return std::nullopt;
        return Failure{pending_.front().line,
                       QStringLiteral("unexpected message box ") + quoted(pending_.front().text)};
    }

    void setLastLine(int line) { lastLine_ = line; }

private:
    struct Message {
        int line;
        QString text;
    };

    bool needsControl(const Command &command) const { return !command.control.isEmpty(); }

    // A file name that reaches out of its folder through a link fails the line; the parser
    // has already refused absolute names and ".." steps.
    std::optional<QString> leavesItsFolder(const Command &command) const
    {
        for (const FileName &file : fileNames(command)) {
            if (file.name.isEmpty())
                continue;
            const QString &folder = file.base == FileBase::Output ? context_.outDir : context_.scenarioDir;
            if (const QString escape = linkEscape(folder, file.name); !escape.isEmpty())
                return escape;
        }
        return std::nullopt;
    }

    // Opening a saved sheet from the start page's menu, and putting a sheet in place for it.
    std::optional<QString> reopen(const Command &command)
    {
        if (command.verb == "copy")
            return copyIntoOutput(command.value, command.text);
        if (driver_.hasEnded())
            return QStringLiteral("the program has ended");
        const QString why = command.verb == "open" ? driver_.open(QDir(context_.outDir).filePath(command.value))
                                                   : driver_.open(std::nullopt);
        collectMessages(command.line);
        if (!why.isEmpty() && command.verb == "open")
            return QStringLiteral("cannot open %1: %2").arg(quoted(command.value), why);
        if (!why.isEmpty())
            return QStringLiteral("cannot %1: %2").arg(command.verb, why);
        return std::nullopt;
    }

    std::optional<QString> copyIntoOutput(const QString &source, const QString &name) const
    {
        const QString from = QDir(context_.scenarioDir).filePath(source);
        const QString to = QDir(context_.outDir).filePath(name);
        if (!QFileInfo(from).isFile())
            return QStringLiteral("cannot copy %1: there is no such file").arg(quoted(source));
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        if (!QFile::copy(from, to))
            return QStringLiteral("cannot copy %1 to %2").arg(quoted(source), quoted(name));
        return std::nullopt;
    }

    void collectMessages(int line)
    {
        for (const QString &text : driver_.takeMessages())
            pending_.push_back({line, text});
    }

    std::optional<QString> expect(const Command &command)
    {
        collectMessages(command.line);
        const QString &verb = command.verb;
        if (verb == "expect")
            return expectProperty(command);
        if (verb == "expect-message") {
            if (pending_.isEmpty())
                return QStringLiteral("expected message box %1, found none").arg(quoted(command.value));
            const Message oldest = pending_.takeFirst();
            if (oldest.text != command.value)
                return QStringLiteral("expected message box %1, found %2")
                    .arg(quoted(command.value), quoted(oldest.text));
            return std::nullopt;
        }
        if (verb == "expect-no-message") {
            if (!pending_.isEmpty())
                return QStringLiteral("expected no message box, found %1").arg(quoted(pending_.front().text));
            return std::nullopt;
        }
        if (verb == "expect-ended")
            return driver_.hasEnded() ? std::nullopt : std::optional<QString>("expected the program to have ended");
        return expectFile(command);
    }

    std::optional<QString> expectProperty(const Command &command)
    {
        const QString &window = command.window;
        if (!driver_.isKnownWindow(window))
            return QStringLiteral("unknown window %1").arg(shownText(window));
        if (command.control.isEmpty()) {
            if (!windowProperties().contains(command.property))
                return QStringLiteral("unknown window property %1").arg(shownText(command.property));
            if (const std::optional<QString> bad = checkValue(command, std::nullopt))
                return bad;
            if (command.property != "loaded" && !driver_.isLoaded(window))
                return QStringLiteral("window %1 is not loaded").arg(window);
            const QString found = command.property == "loaded" ? boolWord(driver_.isLoaded(window))
                                                               : driver_.windowProperty(window, command.property);
            return compare(command, found);
        }
        if (!driver_.isLoaded(window))
            return QStringLiteral("window %1 is not loaded").arg(window);
        const std::optional<ControlKind> kind = driver_.controlKind(window, command.control);
        if (!kind)
            return QStringLiteral("window %1 has no control %2").arg(window, shownText(command.control));
        const auto property = controlProperties().constFind(command.property);
        if (property == controlProperties().constEnd())
            return QStringLiteral("unknown property %1").arg(shownText(command.property));
        if (!property->contains(*kind))
            return QStringLiteral("%1.%2 has no property %3")
                .arg(window, shownText(command.control), shownText(command.property));
        if (const std::optional<QString> bad = checkValue(command, kind))
            return bad;
        return compare(command, driver_.controlProperty(window, command.control, command.property));
    }

    std::optional<QString> compare(const Command &command, const QString &found)
    {
        if (found == command.value)
            return std::nullopt;
        const QString address = command.control.isEmpty() ? command.window : command.window + '.' + command.control;
        return QStringLiteral("expected %1 %2 %3, found %4")
            .arg(address, command.property, shownPropertyValue(command, command.value),
                 shownPropertyValue(command, found));
    }

    std::optional<QString> expectFile(const Command &command)
    {
        const QString path = QDir(context_.outDir).filePath(command.value);
        if (command.verb == "expect-no-file") {
            if (QFile::exists(path))
                return QStringLiteral("expected no file %1, found one").arg(quoted(command.value));
            return std::nullopt;
        }
        const std::optional<QByteArray> saved = readPlainFile(path);
        if (!saved)
            return QStringLiteral("no saved file %1").arg(quoted(command.value));
        const QByteArray &content = *saved;
        if (command.verb == "expect-file") {
            const std::optional<QByteArray> expected = readPlainFile(QDir(context_.scenarioDir).filePath(command.text));
            if (!expected)
                return QStringLiteral("cannot read expected file %1").arg(quoted(command.text));
            if (*expected != content)
                return QStringLiteral("file %1 differs from %2").arg(quoted(command.value), quoted(command.text));
            return std::nullopt;
        }
        const std::optional<QStringList> lines = crlfLines(content);
        if (!lines)
            return QStringLiteral("file %1 is not made of lines ended by CR LF").arg(quoted(command.value));
        if (command.verb == "expect-lines") {
            if (lines->size() != command.number)
                return QStringLiteral("expected %1 lines in %2, found %3")
                    .arg(command.number)
                    .arg(quoted(command.value))
                    .arg(lines->size());
            return std::nullopt;
        }
        if (command.number < 1 || command.number > lines->size())
            return QStringLiteral("file %1 has no line %2").arg(quoted(command.value)).arg(command.number);
        const QString &found = (*lines)[command.number - 1];
        if (found != command.text)
            return QStringLiteral("expected line %1 of %2 to be %3, found %4")
                .arg(command.number)
                .arg(quoted(command.value), quoted(command.text), quoted(found));
        return std::nullopt;
    }

    Driver &driver_;
    const RunContext &context_;
    QList<Message> pending_;
    int lastLine_ = 1;
};

} // namespace

std::optional<Failure> runScenario(const Scenario &scenario, Driver &driver, const RunContext &context)
{
    ScenarioRun run(driver, context);
    for (const Command &command : scenario.commands) {
        if (context.beforeCommand)
            context.beforeCommand(command.line);
        run.setLastLine(command.line);
        if (const std::optional<QString> failure = run.run(command))
            return Failure{command.line, *failure};
    }
    if (std::optional<Failure> unexpected = run.leftovers())
        return unexpected;
    if (const QString modal = driver.openModalWindow(); !modal.isEmpty() && !context.leaveWindowsOpen)
        return Failure{scenario.commands.empty() ? 1 : scenario.commands.back().line,
                       QStringLiteral("a modal window is still open: %1").arg(modal)};
    return std::nullopt;
}

} // namespace korvalde::scenario
