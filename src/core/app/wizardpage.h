#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

struct WizardPageLayout {
    QString name;
    QString title;
    QString sheetFrame; // the frame that holds the stat panel
    QString sheetCaption;
    QString optionsFrame; // the frame that holds the page's options, beside the sheet
    QString optionsCaption;
    QString snwPlaceholder;
    QString backButton;
    QString forwardButton;
};

// A page from 2 to 5 in its layout state: the stat panel on the left, the options frame
// beside it, "&Zurück" and "&Weiter" below, and the FKE guard on `fke`. The page adds its
// options into `optionsFrame` afterwards; the buttons stay last in the layout.
std::unique_ptr<Window> newWizardPage(Application &app, const WizardPageLayout &layout);

// Adds the back and forward buttons; call after the options, so they come last.
void addWizardButtons(Window &page, const WizardPageLayout &layout);

} // namespace korvalde
