#pragma once

#include "model/window.h"

#include <QString>
#include <QStringList>

namespace korvalde::page5 {

// The options frame of page 5 and its three uncaptioned groups of refining options.
inline const QString kOptionsFrame = QStringLiteral("Frame2");
inline const QString kSightGroup = QStringLiteral("Frame3");
inline const QString kLaserGroup = QStringLiteral("Frame4");
inline const QString kSmartGroup = QStringLiteral("Frame5");

// The six accessories that need a mount, and the options that refine them.
const QStringList &accessories();
const QStringList &sightOptions(); // in the order the sight withdraws them
const QStringList &refiningOptions();
// The accessory a refining option refines, or empty for any other box.
QString accessoryOf(const QString &option);
// The options that refine the accessory, in layout order.
QStringList refinementsOf(const QString &accessory);

// Adds page 5's option boxes, groups and hidden mount flags into the options frame, in
// their initial states: accessories enabled, refining options disabled, flags hidden.
void layOutOptions(Window &page);

} // namespace korvalde::page5
