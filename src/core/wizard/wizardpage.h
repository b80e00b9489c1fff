#pragma once

#include "model/application.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <functional>
#include <memory>

namespace korvalde {

// What a page passes on to the next one before the sheet follows (used mounts and the like).
using HandOver = std::function<void(const Window &page, Window &next)>;

// A page from 2 to 5; where its steps lead comes from the table of windows.
struct WizardPageLayout {
    QString name;
    QString title;
    QString sheetFrame; // the frame that holds the stat panel
    QString sheetCaption;
    QString optionsFrame; // the frame that holds the page's options, beside the sheet
    QString optionsCaption;
    QString snwPlaceholder;
    QString backButton;
    bool handsOnType; // pages 4 and 5 hand on everything but `typ`
    // What the page adds to the modifications list, in list order.
    const ModificationEntries &(*entries)();
    HandOver handOver = {}; // may be empty
};

// A page from 2 to 5: a window that knows what it adds to the modifications list.
class WizardPage : public Window {
public:
    WizardPage(Application &app, const WizardPageLayout &layout);

    const WizardPageLayout &layout() const { return layout_; }
    // The page's entries of the modifications list as its controls stand now.
    QString listedEntries() const { return korvalde::listedEntries(*this, layout_.entries()); }

private:
    const WizardPageLayout &layout_;
};

// A page from 2 to 5 in its layout state: the stat panel on the left, the options frame
// beside it, "&Zurück" and "&Weiter" below, and the FKE guard on `fke`. The page adds its
// options into `optionsFrame` afterwards; the buttons stay last in the layout. `layout`
// must outlive the page.
std::unique_ptr<Window> newWizardPage(Application &app, const WizardPageLayout &layout);

// Adds the back and forward buttons with their steps; call after the options, so they
// come last.
void addWizardButtons(Window &page, const WizardPageLayout &layout);

// The forward step of pages 2 to 5: places `next` where the page stands (creating it on
// first touch), hands over, rebuilds the modifications list up to this page, copies the
// sheet's `fields` in their order and shows `next` in place of the page.
void stepForward(Window &page, const QString &next, const QStringList &fields, const HandOver &handOver = {});

} // namespace korvalde
