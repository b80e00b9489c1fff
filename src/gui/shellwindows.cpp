#include "shellwindows.h"

#include <QCloseEvent>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvalde::gui {

MainWindow::MainWindow() : pages_(new QStackedWidget)
{
    setObjectName(QStringLiteral("mainWindow"));
    pages_->setObjectName(QStringLiteral("pages"));
    setCentralWidget(pages_);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The window only goes when the core hides its pages or ends the program.
    event->ignore();
    if (userClose_)
        userClose_();
}

DialogWindow::DialogWindow(QWidget *content, QWidget *owner) : QDialog(owner)
{
    setObjectName(content->objectName());
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

// Escape is the user's close, which the dialogs take as their cancel (see reject).
void DialogWindow::makeOkTheDefault()
{
    for (auto *button : findChildren<QPushButton *>()) {
        if (QString(button->text()).remove('&') == QLatin1String("OK"))
            button->setDefault(true);
    }
}

void DialogWindow::changeEvent(QEvent *event)
{
    // Wide enough that the title reads fully beside the title bar's own buttons.
    if (event->type() == QEvent::WindowTitleChange)
        setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtonsWidth);
    QDialog::changeEvent(event);
}

void DialogWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A closed dialog keeps its widgets for the next opening, but gives back its window
    // and the picture of it; showing it again makes both anew. Not here, in the middle
    // of its own hiding: once the event loop has it back.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible() && testAttribute(Qt::WA_WState_Created))
                destroy();
        },
        Qt::QueuedConnection);
}

void DialogWindow::reject()
{
    // QDialog's close event calls this and closes only if the dialog got hidden meanwhile.
    if (userClose_)
        userClose_();
}

} // namespace korvalde::gui
