#include "pages/completion/suggestedfilename.h"

#include "model/savefile.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace korvalde::completion {

namespace {

// Leading blanks are easily overlooked, trailing blanks and dots are dropped by some file
// systems, and a leading dot hides the file.
void trimLooseEnds(QString &name)
{
    static const QRegularExpression looseEnds(QStringLiteral("^[\\s.]+|[\\s.]+$"));
    name.remove(looseEnds);
}

// File systems count a name's length in bytes: a name from letters past U+07FF takes
// three bytes a letter in UTF-8. Cut between letters as the user sees them.
void fitInto(QString &name, qsizetype bytes)
{
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, name);
    qsizetype end = 0;
    qsizetype used = 0;
    for (qsizetype next = letters.toNextBoundary(); next > 0; next = letters.toNextBoundary()) {
        used += QStringView(name).sliced(end, next - end).toUtf8().size();
        if (used > bytes)
            break;
        end = next;
    }
    name.truncate(end);
}

} // namespace

QString suggestedFileName(const QString &weaponName, const QString &suffix)
{
    // Refused somewhere: the path separators, the characters Windows and its file systems
    // reserve, and control characters.
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x{0}-\\x{1f}\\x{7f}]"));
    QString name = weaponName.normalized(QString::NormalizationForm_C);
    name.replace(refused, QStringLiteral("_"));
    trimLooseEnds(name);
    fitInto(name, kLongestSavableName - suffix.toUtf8().size());
    trimLooseEnds(name);
    if (name.isEmpty())
        name = QStringLiteral("Waffe");
    return name + suffix;
}

} // namespace korvalde::completion
