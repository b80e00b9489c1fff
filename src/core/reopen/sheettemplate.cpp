#include "reopen/sheettemplate.h"

#include "app/windowfactory.h"
#include "pages/completion/weaponsheet.h"
#include "reopen/scratchplatform.h"
#include "wizard/windows.h"

#include <memory>

namespace korvalde::reopen {

namespace {

// Characters of the private use area never appear in a label.
QChar marker(int index)
{
    return QChar(0xE000 + index);
}

bool holdsText(ControlKind kind)
{
    return kind == ControlKind::TextField || kind == ControlKind::TextArea || kind == ControlKind::EditField;
}

} // namespace

SheetTemplate::SheetTemplate()
{
    ScratchPlatform platform;
    const std::unique_ptr<Application> app = startKorvalde(platform);
    Window &completion = app->window(windows::completion);
    QStringList names;
    for (const auto &control : completion.controls()) {
        if (!holdsText(control->kind()))
            continue;
        control->setText(QString(marker(int(names.size()))));
        names << control->name();
    }
    for (const QString &text : weaponSheetLines(completion)) {
        Line line;
        QString pattern = QStringLiteral("^");
        qsizetype labelEnd = -1;
        for (const QChar character : text) {
            const int index = character.unicode() - 0xE000;
            if (index >= 0 && index < names.size()) {
                line.fields << names[index];
                // A field's text runs up to the next fixed text; a blank inside a field
                // text comes after the one that separates it from the next field.
                pattern += QStringLiteral("(.*?)");
                continue;
            }
            if (labelEnd < 0 && character == ':')
                labelEnd = text.indexOf(character);
            pattern += QRegularExpression::escape(QString(character));
        }
        if (!line.fields.isEmpty() && pattern.endsWith(QStringLiteral("(.*?)")))
            pattern.replace(pattern.size() - 5, 5, QStringLiteral("(.*)"));
        line.pattern = QRegularExpression(pattern + QStringLiteral("$"));
        line.label = labelEnd >= 0 ? text.left(labelEnd) : QStringLiteral("Leerzeile");
        lines_.push_back(line);
    }
}

QString SheetTemplate::label(int lineIndex) const
{
    if (lineIndex < 0 || lineIndex >= lineCount())
        return QStringLiteral("überzählig");
    return lines_[size_t(lineIndex)].label;
}

QStringList SheetTemplate::fields() const
{
    QStringList all;
    for (const Line &line : lines_)
        all << line.fields;
    return all;
}

int SheetTemplate::lineOf(const QString &field) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].fields.contains(field))
            return int(i);
    }
    return -1;
}

std::optional<QString> SheetTemplate::field(const QStringList &sheetLines, const QString &field) const
{
    for (size_t i = 0; i < lines_.size() && qsizetype(i) < sheetLines.size(); ++i) {
        const qsizetype place = lines_[i].fields.indexOf(field);
        if (place < 0)
            continue;
        const QRegularExpressionMatch match = lines_[i].pattern.match(sheetLines[qsizetype(i)]);
        if (!match.hasMatch())
            return std::nullopt;
        return match.captured(int(place) + 1);
    }
    return std::nullopt;
}

} // namespace korvalde::reopen
