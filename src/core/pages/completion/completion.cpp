#include "pages/completion/completion.h"

#include "pages/completion/layout.h"
#include "pages/completion/savesheet.h"
#include "pages/completion/weaponcard.h"
#include "sheet/fields.h"
#include "sheet/frames.h"
#include "sheet/numbertext.h"
#include "sheet/sheet.h"
#include "wizard/chosenframe.h"
#include "wizard/navigation.h"
#include "wizard/windows.h"

#include <QRegularExpression>

namespace korvalde {

namespace {

// Every window but the start page goes; the start page keeps its last choice. Page 5
// goes last, after the dialogs it opens.
void startNewWeapon(Window &page)
{
    Application &app = page.app();
    navigation::discardAll(app, {windows::completion, windows::page2, windows::page3, windows::page4});
    navigation::discardAll(app, navigation::mountDialogs());
    app.discard(windows::page5);
    app.window(windows::startPage).setShown(true);
}

// The name is saved as one line of the sheet, so it never holds a line break, nor another
// control character that a tool reading the sheet might take for one (the tab is text).
void keepNameOnOneLine(Control &name)
{
    static const QRegularExpression lineBreaks(
        QStringLiteral("[\\x{0}-\\x{8}\\x{a}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}]+"));
    QString oneLine = name.text();
    oneLine.replace(lineBreaks, QStringLiteral(" "));
    name.setText(oneLine);
}

} // namespace

std::unique_ptr<Window> createCompletionPage(Application &app)
{
    auto owned = navigation::newPage(app, windows::completion, QStringLiteral("\"Korvalde\" - Seite 6"));
    Window &page = *owned;
    completion::layOut(page);
    // The price is always five times the DP total, a total of 0 included: a sheet whose
    // DP total arrives as "0" finds the field already holding it, so the load prices too.
    auto updatePrice = [&page] {
        if (const std::optional<double> dp = sheet::number(page, field::dp))
            page["preis"].setText(formatNumber(*dp * 5));
    };
    page.onLoad([&page, &app, updatePrice] {
        if (const FrameEntry *frame = chosenFrame(app)) {
            page["typus"].setText(frame->name);
            page["waffenname"].setText(frame->name + " #1");
        }
        updatePrice();
    });
    page[field::dp].onChange(updatePrice);
    page["waffenname"].onChange([&page] { keepNameOnOneLine(page["waffenname"]); });
    // Like the page's own file dialog, the page remembers the file it saved to last.
    page["cmdSave"].onClick(
        [&page, lastChosen = QString()]() mutable { completion::saveWeaponSheet(page, lastChosen); });
    // Printing reads the page; it changes nothing and writes no file.
    page["cmdDrucken"].onClick([&page, &app] { app.platform().printCard(completion::weaponCard(page)); });
    page["Zurück"].onClick([&page, &app] {
        Window &previous = app.window(windowRow(page.name()).previous);
        navigation::showInsteadOf(previous, page);
    });
    page["Command1"].onClick([&page] { startNewWeapon(page); });
    page["beenden"].onClick([&app] { app.end(); });
    return owned;
}

} // namespace korvalde
