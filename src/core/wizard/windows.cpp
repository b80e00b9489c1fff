#include "wizard/windows.h"

#include <stdexcept>

namespace korvalde {

const std::vector<WindowRow> &windowTable()
{
    using namespace windows;
    static const std::vector<WindowRow> table = {
        {.name = startPage, .kind = WindowKind::Page, .previous = {}, .next = page2, .forwardButton = "Command1"},
        {.name = page2, .kind = WindowKind::Page, .previous = startPage, .next = page3, .forwardButton = "Weiter1"},
        {.name = page3, .kind = WindowKind::Page, .previous = page2, .next = page4, .forwardButton = "Command2"},
        {.name = page4, .kind = WindowKind::Page, .previous = page3, .next = page5, .forwardButton = "Command2"},
        {.name = page5, .kind = WindowKind::Page, .previous = page4, .next = completion, .forwardButton = "Command2"},
        {.name = completion, .kind = WindowKind::Page, .previous = page5, .next = {}, .forwardButton = {}},
        {.name = rangefinderDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
        {.name = laserTargetDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
        {.name = ultrasoundDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
        {.name = smartgunDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
        {.name = laserDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
        {.name = sightDialog, .kind = WindowKind::Dialog, .previous = {}, .next = {}, .forwardButton = {}},
    };
    return table;
}

const WindowRow &windowRow(const QString &name)
{
    for (const WindowRow &row : windowTable()) {
        if (row.name == name)
            return row;
    }
    throw std::logic_error("no window " + name.toStdString());
}

} // namespace korvalde
