#include "controlwidgets.h"

#include "picturewidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace korvalde::gui {

namespace {

// Boxes whose state only the core changes: a click reports the user's wish and the core's
// answer comes back through syncWidget.
class CoreCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

// The option buttons of one frame form a radio group, as everywhere on the desktop: an
// arrow key moves to the next one that can be chosen and chooses it.
class CoreRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

    // Tab enters a group once, at its chosen button (the first one the user can choose
    // while none is chosen), and leaves it with the next Tab; the arrow keys move within.
    static void markTabStop(const QWidget &group)
    {
        const QList<CoreRadioButton *> buttons = group.findChildren<CoreRadioButton *>(Qt::FindDirectChildrenOnly);
        CoreRadioButton *stop = nullptr;
        for (CoreRadioButton *button : buttons) {
            const bool choosable = !button->isHidden() && button->isEnabled();
            if (choosable && (button->isChecked() || stop == nullptr))
                stop = button;
            if (choosable && button->isChecked())
                break;
        }
        for (CoreRadioButton *button : buttons)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

protected:
    void nextCheckState() override {}

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool forward = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right;
        const bool backward = event->key() == Qt::Key_Up || event->key() == Qt::Key_Left;
        if (!forward && !backward) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        if (CoreRadioButton *next = neighbour(forward ? 1 : -1)) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
        }
    }

private:
    // The next button of the group in layout order that the user can choose, going round
    // at the ends.
    CoreRadioButton *neighbour(int step) const
    {
        const QList<CoreRadioButton *> group =
            parentWidget()->findChildren<CoreRadioButton *>(Qt::FindDirectChildrenOnly);
        const qsizetype count = group.size();
        const qsizetype here = group.indexOf(const_cast<CoreRadioButton *>(this));
        for (qsizetype i = 1; i < count; ++i) {
            CoreRadioButton *candidate = group[((here + step * i) % count + count) % count];
            if (candidate->isVisible() && candidate->isEnabled())
                return candidate;
        }
        return nullptr;
    }
};

// A single-line field never narrower than the text the program writes, so every value
// and the name the program proposes read fully, up to `maximumLetters` letters: a name
// from a reopened sheet can be as long as the user once typed it, and would push the
// window off the screen. Room for `minimumLetters` letters when the text is short. It
// keeps the width of its widest text so far: a value that gets shorter again does not
// make the page move under the user's pointer. What the user types scrolls within the
// field rather than widening the window under the typing hand.
class TextFittingField : public QLineEdit {
public:
    TextFittingField(int minimumLetters, int maximumLetters)
        : minimumLetters_(minimumLetters), maximumLetters_(maximumLetters)
    {
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        const auto lettersWide = [&metrics](int letters) {
            return metrics.horizontalAdvance(QString(letters, QLatin1Char('X')));
        };
        const int textWidth =
            isModified() ? 0 : std::min(metrics.horizontalAdvance(text()), lettersWide(maximumLetters_));
        const int wanted = std::max(textWidth, lettersWide(minimumLetters_));
        widest_ = std::max(widest_, wanted);
        return {widest_ + 16, QLineEdit::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent *event) override
    {
        // Measured anew in another font.
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            widest_ = 0;
        QLineEdit::changeEvent(event);
    }

private:
    int minimumLetters_;
    int maximumLetters_;
    mutable int widest_ = 0;
};

// Values the program writes are short; a bound keeps a surprise from widening the page.
constexpr int kDisplayFieldLetters = 60;

// A field only the program writes: without the frame and the white ground of an input
// field and without a caret, so that only the fields the user types into look like
// them. Its text can still be selected and copied, and a screen reader still reads it as
// a read-only field. It never takes the keyboard focus.
class DisplayField : public TextFittingField {
public:
    DisplayField() : TextFittingField(5, kDisplayFieldLetters)
    {
        setReadOnly(true);
        setFrame(false);
        setFocusPolicy(Qt::NoFocus);
        QPalette ground = palette();
        ground.setBrush(QPalette::Base, Qt::transparent);
        setPalette(ground);
    }
};

// A multi-line field only the program writes: as tall as its text needs at its width,
// two lines at least and a dozen at most (it scrolls beyond), so a short notice does not
// stand in an empty box and a long list stays readable.
class DisplayArea : public QPlainTextEdit {
public:
    explicit DisplayArea(QWidget *parent = nullptr) : QPlainTextEdit(parent)
    {
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        // Stands on the page's own ground, as the single-line display fields do.
        setFrameShape(QFrame::NoFrame);
        viewport()->setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        int widestLine = 0;
        for (const QString &line : toPlainText().split('\n'))
            widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
        const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 4;
        const int hintWidth = std::clamp(widestLine + margins, kMinimumWidth, kWrapWidth);
        const int wrapAt = (width() > kMinimumWidth ? width() : hintWidth) - margins;
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, std::max(wrapAt, 1), 1 << 20), Qt::TextWordWrap, toPlainText());
        const int lines = std::clamp(wrapped.height() / metrics.lineSpacing(), 2, 12);
        return {hintWidth, lines * metrics.lineSpacing() + margins};
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QPlainTextEdit::resizeEvent(event);
        // The lines the text wraps into depend on the width the layout gave.
        if (event->oldSize().width() != width())
            updateGeometry();
    }

private:
    static constexpr int kMinimumWidth = 200;
    static constexpr int kWrapWidth = 600;
};

Qt::CheckState toQt(CheckState state)
{
    switch (state) {
    case CheckState::Checked:
        return Qt::Checked;
    case CheckState::Grayed:
        return Qt::PartiallyChecked;
    case CheckState::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

// Room a field the user types into offers before its text scrolls, and the most it takes
// for a text the program writes (the longest name it proposes needs about 24).
constexpr int kEditFieldLetters = 12;
constexpr int kEditFieldMostLetters = 32;

QAbstractButton *reportingClicks(QAbstractButton *button, const UserInput &input, const QString &name)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [input, name] { input.click(name); });
    return button;
}

QWidget *createWidget(const Control &control, const UserInput &input)
{
    const QString name = control.name();
    switch (control.kind()) {
    case ControlKind::CheckBox: {
        auto *box = new CoreCheckBox;
        box->setTristate(true);
        return reportingClicks(box, input, name);
    }
    case ControlKind::OptionButton: {
        auto *button = new CoreRadioButton;
        button->setAutoExclusive(false);
        return reportingClicks(button, input, name);
    }
    case ControlKind::Button: {
        auto *button = new QPushButton;
        button->setAutoDefault(false);
        return reportingClicks(button, input, name);
    }
    case ControlKind::EditField: {
        auto *field = new TextFittingField(kEditFieldLetters, kEditFieldMostLetters);
        QObject::connect(field, &QLineEdit::textEdited, field,
                         [input, name](const QString &text) { input.type(name, text); });
        return field;
    }
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox;
        combo->setEditable(false);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QObject::connect(combo, &QComboBox::activated, combo,
                         [input, name, combo](int index) { input.pick(name, combo->itemText(index)); });
        return combo;
    }
    case ControlKind::TextField:
        return new DisplayField;
    case ControlKind::TextArea:
        return new DisplayArea;
    case ControlKind::Label: {
        // Captions are words, never markup.
        auto *label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Frame:
        return new QGroupBox;
    case ControlKind::Picture:
        return new PictureWidget(control.text());
    case ControlKind::MenuItem:
        break;
    }
    return nullptr;
}

void syncComboItems(QComboBox &combo, const Control &control)
{
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown << combo.itemText(i);
    if (shown != control.items()) {
        combo.clear();
        combo.addItems(control.items());
    }
}

// A new text that fits the widget's size leaves the page's layout alone.
void remeasureIfResized(QWidget &widget, QSize sizeBefore)
{
    if (widget.sizeHint() != sizeBefore)
        widget.updateGeometry();
}

void syncText(QWidget &widget, const Control &control)
{
    const QString &text = control.text();
    if (auto *button = qobject_cast<QAbstractButton *>(&widget)) {
        button->setText(text);
        button->setAccessibleName(QString(text).remove('&'));
    } else if (auto *field = qobject_cast<QLineEdit *>(&widget)) {
        // Rewriting an unchanged text would throw the typing user's cursor to the end.
        if (field->text() != text) {
            const QSize before = field->sizeHint();
            field->setText(text);
            field->setCursorPosition(0);
            remeasureIfResized(*field, before);
        }
    } else if (auto *area = qobject_cast<QPlainTextEdit *>(&widget)) {
        if (area->toPlainText() != text) {
            const QSize before = area->sizeHint();
            area->setPlainText(text);
            remeasureIfResized(*area, before);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(&widget)) {
        syncComboItems(*combo, control);
        const qsizetype index = control.items().indexOf(text);
        combo->setCurrentIndex(static_cast<int>(index));
        combo->setPlaceholderText(index < 0 ? text : QString());
    } else if (auto *label = qobject_cast<QLabel *>(&widget)) {
        label->setText(text);
    } else if (auto *frame = qobject_cast<QGroupBox *>(&widget)) {
        frame->setTitle(text);
        frame->setAccessibleName(text);
    } else if (auto *picture = dynamic_cast<PictureWidget *>(&widget)) {
        picture->setPictureName(text);
    }
}

void syncState(QWidget &widget, const Control &control)
{
    if (auto *box = qobject_cast<QCheckBox *>(&widget))
        box->setCheckState(toQt(control.state()));
    else if (auto *button = qobject_cast<QRadioButton *>(&widget))
        button->setChecked(control.isChecked());
}

void syncProperty(QWidget &widget, const Control &control, ControlProperty property);

} // namespace

QWidget *createControlWidget(const Control &control, const UserInput &input)
{
    QWidget *widget = createWidget(control, input);
    if (widget == nullptr)
        return nullptr;
    widget->setObjectName(control.name());
    syncWidgetFully(*widget, control);
    return widget;
}

void syncWidget(QWidget &widget, const Control &control, ControlProperty property)
{
    syncProperty(widget, control, property);
    if (dynamic_cast<CoreRadioButton *>(&widget) != nullptr && widget.parentWidget() != nullptr)
        CoreRadioButton::markTabStop(*widget.parentWidget());
}

namespace {

void syncProperty(QWidget &widget, const Control &control, ControlProperty property)
{
    const QSignalBlocker blocker(&widget);
    switch (property) {
    case ControlProperty::Text:
        syncText(widget, control);
        break;
    case ControlProperty::Enabled:
        widget.setEnabled(control.isEnabled());
        break;
    case ControlProperty::Visible:
        // Showing a widget that has no parent yet would open it as a window of its own.
        if (widget.parentWidget() != nullptr || !control.isVisible())
            widget.setVisible(control.isVisible());
        break;
    case ControlProperty::ToolTip:
        // What the tooltip tells a sighted user, a screen reader reads out.
        widget.setToolTip(control.toolTip());
        widget.setAccessibleDescription(control.toolTip());
        break;
    case ControlProperty::State:
        syncState(widget, control);
        break;
    }
}

} // namespace

void syncWidgetFully(QWidget &widget, const Control &control)
{
    for (ControlProperty property : {ControlProperty::Text, ControlProperty::Enabled, ControlProperty::Visible,
                                     ControlProperty::ToolTip, ControlProperty::State})
        syncWidget(widget, control, property);
}

void syncAction(QAction &action, const Control &control)
{
    const QSignalBlocker blocker(&action);
    action.setText(control.text());
    action.setEnabled(control.isEnabled());
    action.setVisible(control.isVisible());
    action.setToolTip(control.toolTip());
}

} // namespace korvalde::gui
