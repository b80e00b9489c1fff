#pragma once

#include <QString>
#include <QStringList>

namespace korvalde {

// A summary box and the boxes that choose within it: checking a member checks the summary
// box, and the summary box checked alone is a choice of its own.
struct OptionGroup {
    QString summary;
    QStringList members;
};

} // namespace korvalde
