#pragma once

#include <QString>
#include <QStringList>

namespace korvalde {

// What a frame brings to page 2: its base statistics, the page-2 options it offers, the
// boxes it starts with; and what the later pages offer and take away for it.
struct FrameProfile {
    QString frame; // the name stored in `typ`
    QString pwn;
    QString snw;
    QString pwr;
    QString trn;
    QString gew;
    QString capacity; // written into `cap` and into the hidden base `muniorg`
    QString lmm;
    QString hlt;
    QString hlt2;
    QString hlt3;
    // The frames whose pre-selected boxes cost FKE take over the start page's FKE before
    // checking them, so that the FKE guard never sees a negative value during the load.
    bool takesStartFke;
    QStringList preselected;       // checked in this order
    QString weightCombo;           // the step list of "Gewichtsreduzierung ", or empty
    QString fkeCombo;              // the step list of "Erhöhte FKE", or empty
    QStringList hiddenOnPage4;     // a box hidden here is one the frame has no place for
    bool underbarrelTaken;         // page 5 records the underbarrel mount as taken
    QStringList shownOnPage4;      // the boxes page 4 shows for this frame, in this order
    QStringList disabledOnPage4;   // the boxes page 4 offers disabled, in this order
    bool takesGasVent = true;      // page 3 offers the gas vents
    bool mountsAccessories = true; // page 5 has a mount for its accessories
};

// The profile of the frame named exactly `frame`, or nothing.
const FrameProfile *frameProfile(const QString &frame);

// The page-2 option controls the frame shows, in layout order: boxes, step lists with the
// label that names their maximum, and the capacity list.
QStringList offeredControls(const FrameProfile &profile);

// The label beside a step list: "gewichtstufe6" has "gewicht6", "mehrstufe4" has "mehr4".
QString stepLimitLabel(const QString &stepList);

} // namespace korvalde
