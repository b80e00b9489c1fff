#include "shellwindows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace korvalde::gui {

MainWindow::MainWindow() : pages_(new QStackedWidget)
{
    setObjectName(QStringLiteral("mainWindow"));
    pages_->setObjectName(QStringLiteral("pages"));
    setCentralWidget(pages_);
    // There from the start, so that a confirmation in it does not change the window's size.
    statusBar()->setObjectName(QStringLiteral("statusBar"));
}

void MainWindow::makeRoomFor(QSize needed)
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QSize wanted = sized_ ? size().expandedTo(needed) : openingSize().expandedTo(needed);
    sized_ = true;
    if (wanted != size())
        resize(wanted);
}

QSize MainWindow::openingSize() const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize designed(metrics.averageCharWidth() * kOpeningWidthInLetters,
                         metrics.lineSpacing() * kOpeningHeightInLines);
    const QScreen *shownOn = screen();
    if (shownOn == nullptr)
        return designed;
    // The window's frame and title bar need room on the screen too.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize fits = shownOn->availableGeometry().size() - frame.expandedTo({kFrameAllowance, kFrameAllowance * 4});
    return designed.boundedTo(fits);
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

// Enter confirms with the dialog's OK button wherever the focus is. When none of the
// dialog's boxes is left to tick, OK can do nothing and Enter answers with Cancel, as the
// dialog's notice asks. Escape is the user's close, which the dialogs take as their cancel
// (see reject).
void DialogWindow::chooseDefaultButton()
{
    const QList<QCheckBox *> boxes = findChildren<QCheckBox *>();
    const bool nothingToTick = !boxes.isEmpty() && std::none_of(boxes.begin(), boxes.end(), [this](QCheckBox *box) {
        return box->isVisibleTo(this);
    });
    const QLatin1String wanted(nothingToTick ? "Cancel" : "OK");
    for (auto *button : findChildren<QPushButton *>())
        button->setDefault(QString(button->text()).remove('&') == wanted);
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
