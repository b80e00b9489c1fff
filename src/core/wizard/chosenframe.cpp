#include "wizard/chosenframe.h"

#include "wizard/windows.h"

namespace korvalde {

const FrameEntry *chosenFrame(Application &app)
{
    return findFrame(app.window(windows::startPage)["typ"].text());
}

} // namespace korvalde
