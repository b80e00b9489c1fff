#include "pages/completion/weaponcard.h"

#include "pages/completion/suggestedfilename.h"
#include "pages/completion/weaponsheet.h"

#include <QRegularExpression>

namespace korvalde::completion {

namespace {

// A line of the sheet: its label up to the colon (a label never holds one) and its value
// filled in from the page.
CardRow rowOf(const QString &pattern, const Window &page)
{
    const qsizetype colon = pattern.indexOf(u':');
    return {pattern.left(colon), fillSheetPattern(pattern.mid(colon + 1), page)};
}

// The sheet keeps its columns with blanks, writes " / " even when there is no ceramic
// concealability and glues the weight's unit to its number ("1,45kg"); the card reads
// better without either and with the unit set apart, as in print ("1,45 kg"). The damage
// code ("9M") is no number with a unit and stays as it is.
CardRow tidy(CardRow row)
{
    static const QRegularExpression gluedUnit(QStringLiteral("(\\d)(kg)$"));
    row.value = row.value.simplified();
    if (row.value.endsWith(QLatin1String(" /")))
        row.value.chop(2);
    row.value.replace(gluedUnit, QStringLiteral("\\1 \\2"));
    return row;
}

bool holds(const QString &pattern, const char *field)
{
    return pattern.contains(QStringLiteral("{%1}").arg(QString::fromUtf8(field)));
}

} // namespace

WeaponCard weaponCard(const Window &completionPage)
{
    WeaponCard card;
    // The name, the frame, the price and the list have places of their own on the card;
    // every other line that is not blank is a statistic.
    for (const QString &pattern : weaponSheetPatterns()) {
        const CardRow row = rowOf(pattern, completionPage);
        if (holds(pattern, "waffenname")) {
            card.name = row.value.trimmed();
        } else if (holds(pattern, "typus")) {
            card.frame = tidy(row);
        } else if (holds(pattern, "preis")) {
            card.price = tidy(row);
        } else if (holds(pattern, "Text1")) {
            card.modificationsHeading = row.label;
            // Every entry of the list starts with ", "; the sight's options run on with
            // " mit " and stay with their sight.
            for (const QString &entry : row.value.trimmed().split(QStringLiteral(", "), Qt::SkipEmptyParts))
                card.modifications.append(entry.trimmed());
        } else if (!pattern.trimmed().isEmpty()) {
            card.statistics.append(tidy(row));
        }
    }
    card.fileName = suggestedFileName(card.name, QStringLiteral(".pdf"));
    return card;
}

} // namespace korvalde::completion
