#pragma once

#include "model/application.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace korvalde::walk {

// What a front end has been told of every window and control, property by property. A
// change the program makes without telling would never reach the screen.
class ToldState : public ModelObserver {
public:
    void windowCreated(Window &window) override;
    void windowDiscarded(Window &window) override;
    void windowChanged(Window &window, WindowProperty property) override;
    void controlChanged(Control &control, ControlProperty property) override;

    // A new program starts: what it shows now counts as told.
    void restart(const Application &app);
    // The first property of a loaded window or control that differs from what was told,
    // or an empty text.
    QString untold(const Application &app);

private:
    struct WindowLook {
        QString title;
        bool shown = false;
        bool enabled = false;
    };
    struct ControlLook {
        QString text;
        QStringList items;
        bool enabled = false;
        bool visible = false;
        QString toolTip;
        CheckState state = CheckState::Unchecked;
    };
    QHash<const Window *, WindowLook> windows_;
    QHash<const Control *, ControlLook> controls_;
};

} // namespace korvalde::walk
