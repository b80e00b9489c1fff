#include "pages/completion/suggestedfilename.h"

#include <QRegularExpression>

namespace korvalde::completion {

namespace {

// Longer names are refused by most file systems (255 bytes); a German name in UTF-8
// stays well below with this many characters and the suffix.
constexpr qsizetype kMaxNameLength = 120;

} // namespace

QString suggestedFileName(const QString &weaponName, const QString &suffix)
{
    // Refused somewhere: the path separators, the characters Windows and its file systems
    // reserve, and control characters.
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x{0}-\\x{1f}\\x{7f}]"));
    QString name = weaponName.normalized(QString::NormalizationForm_C);
    name.replace(refused, QStringLiteral("_"));
    // Leading blanks are easily overlooked, trailing blanks and dots are dropped by some
    // file systems, and a leading dot hides the file.
    static const QRegularExpression looseEnds(QStringLiteral("^[\\s.]+|[\\s.]+$"));
    name.remove(looseEnds);
    if (name.size() > kMaxNameLength)
        name.truncate(name.at(kMaxNameLength - 1).isHighSurrogate() ? kMaxNameLength - 1 : kMaxNameLength);
    if (name.isEmpty())
        name = QStringLiteral("Waffe");
    return name + suffix;
}

} // namespace korvalde::completion
