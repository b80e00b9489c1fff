#pragma once

#include <QString>
#include <QStringList>

namespace korvalde {

// What a frame brings: its base statistics, the page-2 options it offers, the boxes it
// starts with, and what page 4 offers and takes away for it. What follows from its mounts
// is derived below, not written down a second time.
struct FrameProfile {
    QString frame; // the name stored in `typ`
    QString pwn;
    QString snw;
    QString pwr;
    QString trn;
    QString gew;
    QString capacity; // written into `cap` and into the hidden base `muniorg`
    QString lmm;
    QString hlt;  // the barrel mount, empty for a frame without one
    QString hlt2; // the top mount
    QString hlt3; // the underbarrel mount
    // The frames whose pre-selected boxes cost FKE take over the start page's FKE before
    // checking them, so that the FKE guard never sees a negative value during the load.
    bool takesStartFke;
    QStringList preselected; // checked in this order
    // The page-2 level boxes, single boxes and lists the frame offers; the summary boxes
    // and the step lists' labels go with them (see offeredControls).
    QStringList page2Options;
    QString weightSteps;         // the step list of "Gewichtsreduzierung ", or empty
    QString fkeSteps;            // the step list of "Erhöhte FKE", or empty
    QStringList shownOnPage4;    // the boxes page 4 shows for this frame, in this order
    QStringList disabledOnPage4; // the boxes page 4 offers disabled, in this order
    QStringList hiddenOnPage4;   // what the frame has no place for, whatever page 2 shows
};

// The profile of the frame named exactly `frame`, or nothing.
const FrameProfile *frameProfile(const QString &frame);

// The page-2 option controls the frame shows: its options, each with the summary box of
// its group, and its step lists with their summary boxes and the labels that name their
// maxima.
QStringList offeredControls(const FrameProfile &profile);

// The label beside a step list: "gewichtstufe6" has "gewicht6", "mehrstufe4" has "mehr4".
QString stepLimitLabel(const QString &stepList);

// Page 5's accessories need the top or the underbarrel mount; without either (the Holdout
// Pistole) page 5 offers none of them.
bool mountsAccessories(const FrameProfile &profile);

// A frame that has a top mount but no underbarrel mount starts page 5 with the underbarrel
// mount recorded as taken, so that no mount dialog offers it.
bool underbarrelTaken(const FrameProfile &profile);

// The gas vents sit on the barrel mount; a frame without one (the Taser) cannot take them.
bool takesGasVent(const FrameProfile &profile);

} // namespace korvalde
