#pragma once

#include "reopen/listentries.h"
#include "reopen/useraction.h"
#include "sheet/frames.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korvalde::reopen {

// What a sheet asks for: the frame, the name and the entries of its list.
struct Wish {
    const FrameEntry *frame = nullptr;
    QString name;
    std::vector<ListEntry> entries;
    QString capacity; // the capacity the sheet shows; picks match it
};

// What the list leaves open. Each of these changes the sheet without an entry of its own.
struct Choices {
    bool rapidFire = false;          // "Schnellfeuer"
    int weightSteps = 0;             // the steps of "Gewichtsreduzierung", when it is listed
    QString capacityPick;            // the capacity picked when the clip covers it on the sheet
    bool fireModeTriedAgain = false; // no fire mode left: which one was withdrawn last
    bool gasVentAlone = false;       // the vent's summary box takes the barrel mount alone
    bool secondaryWeapon = false;    // "Sekundärwaffe" without one of its variants
    bool underbarrelWeaponAlone = false;
    bool laserAlone = false;       // "Lasermarkierer" without its power class
    bool smartgunAlone = false;    // "Smartgunsystem (extern)" without its level
    bool underbarrelFirst = false; // the first accessory of page 5 takes the underbarrel mount

    bool operator==(const Choices &) const = default;
};

// A rebuild in a program of its own: the user actions done, and the sheet the completion
// page would save then (empty when the user never got there).
struct Replay {
    std::vector<UserAction> actions;
    QStringList sheetLines;
    int refusedActions = 0;    // actions the user could not do; the replay went on without them
    QStringList capacityItems; // what the ammunition list offered
    int weightStepsOffered = 0;
};

// Tries the wish in a twin of `original`, a program of its own nobody sees.
Replay replay(const Application &original, const Wish &wish, const Choices &choices);

} // namespace korvalde::reopen
