#include "reopen/sheettemplate.h"

#include "pages/completion/weaponsheet.h"

namespace korvalde::reopen {

SheetTemplate::SheetTemplate()
{
    for (const QString &text : weaponSheetPatterns()) {
        Line line;
        QString pattern = QStringLiteral("^");
        qsizetype copiedUpTo = 0;
        for (const QRegularExpressionMatch &match : sheetPlaceholder().globalMatch(text)) {
            pattern += QRegularExpression::escape(text.mid(copiedUpTo, match.capturedStart() - copiedUpTo));
            line.fields << match.captured(1);
            // A field's text runs up to the next fixed text; a blank inside a field text
            // comes after the one that separates it from the next field.
            pattern += match.capturedEnd() == text.size() ? QStringLiteral("(.*)") : QStringLiteral("(.*?)");
            copiedUpTo = match.capturedEnd();
        }
        pattern += QRegularExpression::escape(text.mid(copiedUpTo));
        line.pattern = QRegularExpression(pattern + QStringLiteral("$"));
        const qsizetype labelEnd = text.indexOf(u':');
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
