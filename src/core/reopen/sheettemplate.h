#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korvalde::reopen {

// The shape of the saved sheet as the completion page writes it: for every line its label
// and which completion-page fields fill it, read from the sheet's own patterns.
class SheetTemplate {
public:
    SheetTemplate();

    int lineCount() const { return int(lines_.size()); }
    // The line's label before its colon, "Leerzeile" for a blank line, "überzählig" past
    // the last line.
    QString label(int lineIndex) const;
    // The text of `field` in `line` if the line has the field's place, otherwise nothing.
    std::optional<QString> field(const QStringList &sheetLines, const QString &field) const;
    // Every field the sheet shows, line by line.
    QStringList fields() const;
    // The index of the line that holds `field`, or -1.
    int lineOf(const QString &field) const;

private:
    struct Line {
        QString label;
        QRegularExpression pattern;
        QStringList fields;
    };
    std::vector<Line> lines_;
};

} // namespace korvalde::reopen
