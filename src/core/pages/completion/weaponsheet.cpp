#include "pages/completion/weaponsheet.h"

#include <QRegularExpression>

namespace korvalde {

namespace {

// The first seven labels are eleven characters wide so their values line up; the blank
// lines hold one space each.
const char *const kSheetTemplate[] = {
    "Name:      {waffenname}",
    "Typ:       {typus}",
    "Tarnstufe: {trn} / {trnkera}",
    "Feuermodi: {pwr}",
    "Schaden:   {pwn}{snw}",
    "Gewicht:   {gew}kg",
    "Munition:  {cap} {lmm}",
    " ",
    " ",
    "Verfügbare Halterungen: {hlt} {hlt2} {hlt3}",
    "Rückstoßkompensation: {kpd}",
    " ",
    "Freie FKE: {fke}",
    "DP: {dp}",
    " ",
    "Endgültiger Preis: {preis} Kordo",
    " ",
    "Modifikationen: {Text1}",
};

} // namespace

const QStringList &weaponSheetPatterns()
{
    static const QStringList patterns = [] {
        QStringList all;
        for (const char *pattern : kSheetTemplate)
            all << QString::fromUtf8(pattern);
        return all;
    }();
    return patterns;
}

const QRegularExpression &sheetPlaceholder()
{
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
    return placeholder;
}

// Fills the placeholders in one pass over the pattern, so a field text that happens to
// contain braces is written as it is.
QString fillSheetPattern(const QString &pattern, const Window &page)
{
    QString line;
    qsizetype copiedUpTo = 0;
    for (const QRegularExpressionMatch &match : sheetPlaceholder().globalMatch(pattern)) {
        line += pattern.mid(copiedUpTo, match.capturedStart() - copiedUpTo);
        line += page[match.captured(1)].text();
        copiedUpTo = match.capturedEnd();
    }
    return line + pattern.mid(copiedUpTo);
}

QStringList weaponSheetLines(const Window &completionPage)
{
    QStringList lines;
    for (const QString &pattern : weaponSheetPatterns())
        lines << fillSheetPattern(pattern, completionPage);
    return lines;
}

QString weaponSheetText(const Window &completionPage)
{
    QString text;
    for (const QString &line : weaponSheetLines(completionPage))
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace korvalde
