#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace korvalde::walk {

// What an option box's tooltip tells the user it changes, by sheet field ("dp", "fke",
// "trn", "gew", "pwn", "kpd"), and the fields on which the box applies other values than
// it announces.
struct AnnouncedCosts {
    QHash<QString, double> deltas;
    // What one check changes depends on more than the box: the tooltip names a price per
    // unit or per frame ("DP +2 pro Schuß"), or the box applies only to some fire modes.
    bool dependsOnMore = false;
};

// The costs the tooltip of box `box` announces, corrected where the box is known to apply
// other values; nothing when the tooltip cannot be read as a list of costs.
std::optional<AnnouncedCosts> announcedCosts(const QString &box, const QString &toolTip);

} // namespace korvalde::walk
