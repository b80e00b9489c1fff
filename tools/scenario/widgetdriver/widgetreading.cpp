#include "widgetreading.h"

#include "widgetinput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace korvalde::gui {

QString stateWord(CheckState state)
{
    return stateName(state);
}

QString boolWord(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

namespace {

QString shownTextOf(const QWidget &widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(&widget))
        return field->text();
    if (const auto *area = qobject_cast<const QPlainTextEdit *>(&widget))
        return area->toPlainText();
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget))
        return shownText(*combo);
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(&widget))
        return frame->title();
    return {};
}

QString stateOf(const QWidget &widget)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(&widget)) {
        switch (box->checkState()) {
        case Qt::Checked:
            return stateWord(CheckState::Checked);
        case Qt::PartiallyChecked:
            return stateWord(CheckState::Grayed);
        case Qt::Unchecked:
            break;
        }
        return stateWord(CheckState::Unchecked);
    }
    const auto *button = qobject_cast<const QAbstractButton *>(&widget);
    return stateWord(button != nullptr && button->isChecked() ? CheckState::Checked : CheckState::Unchecked);
}

QString itemsOf(const QWidget &widget)
{
    QStringList items;
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget)) {
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    }
    return items.join('|');
}

} // namespace

bool isExplicitlyHidden(const QWidget &widget)
{
    return widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.testAttribute(Qt::WA_WState_Hidden);
}

bool isExplicitlyDisabled(const QWidget &widget)
{
    return widget.testAttribute(Qt::WA_ForceDisabled);
}

QString widgetProperty(const QWidget &widget, const QString &property)
{
    if (property == "tooltip")
        return widget.toolTip();
    if (property == "state")
        return stateOf(widget);
    if (property == "enabled")
        return boolWord(!isExplicitlyDisabled(widget));
    if (property == "visible")
        return boolWord(!isExplicitlyHidden(widget));
    if (property == "items")
        return itemsOf(widget);
    return shownTextOf(widget);
}

QString actionProperty(const QAction &action, const QString &property)
{
    if (property == "tooltip") {
        // An action without a tooltip of its own offers its text without the "&".
        const QString plainText = QString(action.text()).remove('&');
        return action.toolTip() == plainText ? QString() : action.toolTip();
    }
    if (property == "enabled")
        return boolWord(action.isEnabled());
    if (property == "visible")
        return boolWord(action.isVisible());
    return action.text();
}

} // namespace korvalde::gui
