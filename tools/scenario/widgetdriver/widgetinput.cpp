#include "widgetinput.h"

#include <QCoreApplication>
#include <QTest>

#include <algorithm>

namespace korvalde::gui {

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPoint hotSpot(const QWidget &widget)
{
    return {std::min(widget.width(), widget.sizeHint().width()) / 2, widget.height() / 2};
}

void typeText(QLineEdit &field, const QString &text)
{
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, text, Qt::NoModifier);
}

QString shownText(const QComboBox &combo)
{
    return combo.currentIndex() < 0 ? combo.placeholderText() : combo.currentText();
}

} // namespace korvalde::gui
