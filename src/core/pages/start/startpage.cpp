#include "pages/start/startpage.h"

#include "sheet/fields.h"
#include "sheet/frames.h"
#include "sheet/sheet.h"
#include "wizard/navigation.h"
#include "wizard/windows.h"

namespace korvalde {

namespace {

const QString kInfoText =
    QStringLiteral("Korvalde, der Waffenbaukasten für Veltrano - vom Korvalde-Projekt. Powered by Qt");

void layOut(Window &page)
{
    page.add("mnuDatei", ControlKind::MenuItem, "&Datei");
    page.add("mnuOeffnen", ControlKind::MenuItem, "Ö&ffnen…", {"mnuDatei"});
    page.add("info", ControlKind::MenuItem, "&Info", {"mnuDatei"});
    page.add("mnuSubBeenden", ControlKind::MenuItem, "&Beenden", {"mnuDatei"});
    page.add("Image1", ControlKind::Picture, "crosshair");
    page.add("Frame1", ControlKind::Frame, "Wahl des Rahmens", {{}, true});
    for (const FrameEntry &frame : frameCatalogue())
        page.add(QStringLiteral("Option%1").arg(frame.number), ControlKind::OptionButton, frame.caption, {"Frame1"});
    page.add("Image2", ControlKind::Picture, "cartridge", {{}, true});
    page.add("Label1", ControlKind::Label, "Freie FKE");
    page.add(field::fke, ControlKind::TextField, "0", {{}, true});
    page.add("Label2", ControlKind::Label, "DP gesamt", {{}, true});
    page.add(field::dp, ControlKind::TextField, "0", {{}, true});
    page.add(field::frame, ControlKind::TextField, QString()).setVisible(false);
    page.add(windowRow(windows::startPage).forwardButton, ControlKind::Button, "&Weiter", {{}, true});
}

// Shows page 2 first, so that its load sets up the frame profile from this page's `typ`;
// only then do the frame's catalogue FKE and DP overwrite what the profile left there.
void goForward(Window &start)
{
    Window &next = start.app().window(windowRow(start.name()).next);
    next.setShown(true);
    sheet::copy(start, next, {field::frame, field::fke, field::dp});
    start.setShown(false);
}

} // namespace

std::unique_ptr<Window> createStartPage(Application &app)
{
    auto owned = navigation::newPage(app, windows::startPage, QStringLiteral("\"Korvalde\" - Waffenkonstruktion"));
    Window &page = *owned;
    layOut(page);
    for (const FrameEntry &frame : frameCatalogue()) {
        page[QStringLiteral("Option%1").arg(frame.number)].onClick([&page, &frame] {
            if (!page[QStringLiteral("Option%1").arg(frame.number)].isChecked())
                return;
            page[field::fke].setText(frame.fke);
            page[field::dp].setText(frame.dp);
            page[field::frame].setText(frame.name);
            page[windowRow(windows::startPage).forwardButton].setEnabled(true);
        });
    }
    page[windowRow(windows::startPage).forwardButton].onClick([&page] { goForward(page); });
    page["info"].onClick([&app] {
        app.showMessage({kInfoText, QStringLiteral("Veltrano"), MessageIcon::Information, {}});
    });
    page["mnuSubBeenden"].onClick([&app] { app.end(); });
    page.onLoad([&page] { page[windowRow(windows::startPage).forwardButton].setEnabled(false); });
    return owned;
}

} // namespace korvalde
