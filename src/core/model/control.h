#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace korvalde {

class Window;

enum class ControlKind {
    CheckBox,
    OptionButton,
    TextField, // single-line display field, written only by the program
    TextArea,  // multi-line display field
    EditField, // single-line field the user types into
    ComboBox,
    Button,
    Label,
    Frame,
    MenuItem,
    Picture,
};

// Check box states as the rules count them: grayed matches neither checked nor unchecked.
enum class CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

// "unchecked", "checked" or "grayed": the state as tools and the browser page name it.
QString stateName(CheckState state);

enum class ControlProperty { Text, Enabled, Visible, ToolTip, State };

// Where the front end puts a control: inside the frame named `parent` (empty: the window
// itself), either on a new row or to the right of the previous control of that parent.
struct Placement {
    QString parent;
    bool sameRow = false;
};

// One named control of a window. Every setter notifies the window's application first and
// then runs the control's own operation, nested, before it returns: the rules depend on it.
class Control {
public:
    Control(Window &window, QString name, ControlKind kind, QString text, Placement placement);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Window &window() const { return window_; }
    const Placement &placement() const { return placement_; }

    // Caption of boxes, buttons, frames and menu items; text of fields, labels and combos.
    const QString &text() const { return text_; }
    // A text field runs its change operation when the text really changes; a combo box
    // never runs its pick operation from here.
    void setText(const QString &text);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    const QString &toolTip() const { return toolTip_; }
    void setToolTip(const QString &toolTip);

    CheckState state() const { return state_; }
    bool isChecked() const { return state_ == CheckState::Checked; }
    bool isUnchecked() const { return state_ == CheckState::Unchecked; }
    // Setting a new state runs the click operation at once; the same state runs nothing.
    // An option button that becomes checked clears the other option buttons of its parent.
    void setState(CheckState state);
    void setChecked(bool checked) { setState(checked ? CheckState::Checked : CheckState::Unchecked); }

    const QStringList &items() const { return items_; }
    // A combo box shows its list together with its text, so a new list notifies as Text.
    void setItems(const QStringList &items);

    // Click operation: check boxes and option buttons on a state change, buttons and menu
    // items when pressed, combo boxes when the user picks an entry.
    void onClick(std::function<void()> operation) { click_ = std::move(operation); }
    // Change operation of text fields.
    void onChange(std::function<void()> operation) { change_ = std::move(operation); }
    // Runs the click operation as a press does (buttons, menu items, combo picks).
    void press();

    // The boxes of this window whose click may show the control. While one of them is on
    // offer, the front end keeps the hidden control's place, so that nothing moves when it
    // appears.
    const QStringList &shownByClickOn() const { return shownByClickOn_; }
    void addShownByClickOn(const QString &box);

    // Is the control visible together with every frame it sits in?
    bool isShownInLayout() const;
    // Is the control enabled together with every frame it sits in?
    bool isEnabledInLayout() const;

private:
    void notify(ControlProperty property);

    Window &window_;
    QString name_;
    ControlKind kind_;
    QString text_;
    Placement placement_;
    QString toolTip_;
    QStringList items_;
    QStringList shownByClickOn_;
    bool enabled_ = true;
    bool visible_ = true;
    CheckState state_ = CheckState::Unchecked;
    std::function<void()> click_;
    std::function<void()> change_;
};

} // namespace korvalde
