#pragma once

#include "model/application.h"

#include <QString>

#include <vector>

namespace korvalde::reopen {

// One thing a user does to reach a design: a click, a pick from a list or typing a text.
struct UserAction {
    enum class Kind { Click, Pick, Type };
    Kind kind = Kind::Click;
    QString window;
    QString control;
    QString text; // the entry picked or the text typed

    bool operator==(const UserAction &) const = default;
};

// Does the action as the user would; returns why the user could not, or an empty text.
QString perform(Application &app, const UserAction &action);

} // namespace korvalde::reopen
