#include "pages/completion/weaponcard.h"

#include "pages/completion/suggestedfilename.h"
#include "pages/completion/weaponsheet.h"

#include <QRegularExpression>

namespace korvalde::completion {

namespace {

// Lines of the sheet with a place of their own on the card; every other line that is not
// blank is a statistic.
constexpr qsizetype kNameLine = 0;
constexpr qsizetype kFrameLine = 1;
constexpr qsizetype kPriceLine = 15;
constexpr qsizetype kModificationsLine = 17;

// A sheet line is its label, a colon and the value; the label never holds a colon.
CardRow splitLine(const QString &line)
{
    const qsizetype colon = line.indexOf(u':');
    return {line.left(colon), line.mid(colon + 1)};
}

// The sheet keeps its columns with blanks, writes " / " even when there is no ceramic
// concealability and glues the weight's unit to its number ("1,45kg"); the card reads
// better without either and with the unit set apart, as in print ("1,45 kg"). The damage
// code ("9M") is no number with a unit and stays as it is.
QString tidy(const QString &value)
{
    static const QRegularExpression gluedUnit(QStringLiteral("(\\d)(kg)$"));
    QString tidied = value.simplified();
    if (tidied.endsWith(QLatin1String(" /")))
        tidied.chop(2);
    return tidied.replace(gluedUnit, QStringLiteral("\\1 \\2"));
}

} // namespace

WeaponCard weaponCard(const Window &completionPage)
{
    const QStringList lines = weaponSheetLines(completionPage);
    WeaponCard card;
    card.name = splitLine(lines[kNameLine]).value.trimmed();
    card.fileName = suggestedFileName(card.name, QStringLiteral(".pdf"));
    const CardRow frame = splitLine(lines[kFrameLine]);
    card.frame = {frame.label, tidy(frame.value)};
    for (qsizetype i = kFrameLine + 1; i < kPriceLine; ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const CardRow row = splitLine(lines[i]);
        card.statistics.append({row.label, tidy(row.value)});
    }
    const CardRow price = splitLine(lines[kPriceLine]);
    card.price = {price.label, tidy(price.value)};
    const CardRow modifications = splitLine(lines[kModificationsLine]);
    card.modificationsHeading = modifications.label;
    // Every entry of the list starts with ", "; the sight's options run on with " mit " and
    // stay with their sight.
    for (const QString &entry : modifications.value.trimmed().split(QStringLiteral(", "), Qt::SkipEmptyParts))
        card.modifications.append(entry.trimmed());
    return card;
}

} // namespace korvalde::completion
