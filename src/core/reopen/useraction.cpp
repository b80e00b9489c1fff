#include "reopen/useraction.h"

namespace korvalde::reopen {

QString perform(Application &app, const UserAction &action)
{
    switch (action.kind) {
    case UserAction::Kind::Click:
        return app.userClick(action.window, action.control);
    case UserAction::Kind::Pick:
        return app.userPick(action.window, action.control, action.text);
    case UserAction::Kind::Type:
        return app.userType(action.window, action.control, action.text);
    }
    return {};
}

} // namespace korvalde::reopen
