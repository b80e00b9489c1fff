#include "wizard/chosenframe.h"

#include "sheet/fields.h"
#include "wizard/windows.h"

namespace korvalde {

const FrameEntry *chosenFrame(Application &app)
{
    return findFrame(app.window(windows::startPage)[field::frame].text());
}

} // namespace korvalde
