#include "frontend.h"

#include "cardprinter.h"
#include "reopen/opensheet.h"
#include "savefolder.h"
#include "wizard/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStackedWidget>
#include <QStatusBar>

#include <utility>

namespace korvalde::gui {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A refusal means the widgets showed something the core does not allow: worth a trace.
void warnIfRefused(const QString &why)
{
    if (!why.isEmpty())
        qWarning("user action refused: %s", qUtf8Printable(why));
}

} // namespace

Frontend::Frontend()
    : mainWindow_(std::make_unique<MainWindow>()), dialogs_(std::make_unique<ReadyDialogs>(*mainWindow_))
{
    mainWindow_->onUserClose([this] {
        if (app_ != nullptr && frontPage_ != nullptr)
            warnIfRefused(app_->userClose(frontPage_->name()));
    });
}

Frontend::~Frontend() = default;

void Frontend::attach(Application &app)
{
    app_ = &app;
    app.addObserver(this);
}

UserInput Frontend::inputFor(const QString &window)
{
    UserInput input;
    input.click = [this, window](const QString &control) {
        runUserAction(window, control, [&] { return app_->userClick(window, control); });
    };
    input.pick = [this, window](const QString &control, const QString &entry) {
        runUserAction(window, control, [&] { return app_->userPick(window, control, entry); });
    };
    input.type = [this, window](const QString &control, const QString &text) {
        runUserAction(window, control, [&] { return app_->userType(window, control, text); });
    };
    return input;
}

std::vector<QWidget *> Frontend::shownWindows() const
{
    std::vector<QWidget *> windows;
    if (mainWindow_->isVisible() && mainWindow_->pages().currentWidget() != nullptr)
        windows.push_back(mainWindow_->pages().currentWidget());
    for (const auto &[_, shown] : windows_) {
        if (shown.window != nullptr && shown.window->isWindow() && shown.window->isVisible())
            windows.push_back(shown.window);
    }
    return windows;
}

void Frontend::runUserAction(const QString &window, const QString &control, const std::function<QString()> &action)
{
    const Shown *acting = shownOf(window);
    const QPointer<QWidget> outerActing =
        std::exchange(actingWidget_, acting == nullptr ? nullptr : acting->view->widget(control));
    layoutBatch_.emplace(shownWindows());
    warnIfRefused(action());
    resync(window, control);
    showPendingFrontPage();
    layoutBatch_.reset();
    actingWidget_ = outerActing;
    if (QPointer<QWidget> target = std::exchange(focusAfterAction_, nullptr))
        returnFocusTo(target);
}

void Frontend::returnFocusTo(QWidget *widget)
{
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled())
        return;
    widget->window()->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

void Frontend::resync(const QString &windowName, const QString &controlName)
{
    if (const Window *window = app_->find(windowName)) {
        if (const Control *control = window->find(controlName); control != nullptr) {
            if (const Shown *shown = shownOf(windowName)) {
                for (ControlProperty property : {ControlProperty::Text, ControlProperty::State})
                    shown->view->sync(*control, property);
            }
        }
    }
}

const Frontend::Shown *Frontend::shownOf(const QString &windowName) const
{
    const Window *window = app_ == nullptr ? nullptr : app_->find(windowName);
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

const Frontend::Shown *Frontend::built(const QString &window) const
{
    const Shown *shown = shownOf(window);
    if (shown != nullptr)
        build(*shown);
    return shown;
}

void Frontend::build(const Shown &shown) const
{
    if (shown.view->isBuilt())
        return;
    shown.view->build();
    if (auto *dialog = dynamic_cast<DialogWindow *>(shown.window.data()))
        dialog->chooseDefaultButton();
}

QWidget *Frontend::widget(const QString &window, const QString &control) const
{
    const Shown *shown = built(window);
    return shown == nullptr ? nullptr : shown->view->widget(control);
}

QAction *Frontend::action(const QString &window, const QString &control) const
{
    const Shown *shown = built(window);
    return shown == nullptr ? nullptr : shown->view->action(control);
}

QWidget *Frontend::windowWidget(const QString &window) const
{
    const Shown *shown = shownOf(window);
    return shown == nullptr ? nullptr : shown->window.data();
}

bool Frontend::isOnScreen(const QString &window) const
{
    QWidget *widget = windowWidget(window);
    if (widget == nullptr)
        return false;
    if (qobject_cast<QDialog *>(widget) != nullptr)
        return widget->isVisible();
    return mainWindow_->isVisible() && mainWindow_->pages().currentWidget() == widget;
}

void Frontend::windowCreated(Window &window)
{
    auto view = std::make_unique<WindowView>(window, inputFor(window.name()));
    QWidget *content = view->content();
    QWidget *shell = content;
    if (window.kind() == WindowKind::Dialog) {
        auto *dialog = new DialogWindow(content, mainWindow_.get());
        const QString name = window.name();
        dialog->onUserClose([this, name] { runUserAction(name, {}, [&] { return app_->userClose(name); }); });
        shell = dialog;
    } else {
        mainWindow_->pages().addWidget(content);
    }
    // A page keeps its own title too, though only the main window shows it.
    shell->setWindowTitle(window.title());
    shell->setEnabled(window.isEnabled());
    windows_[&window] = Shown{std::move(view), shell, {}};
}

void Frontend::windowDiscarded(Window &window)
{
    const auto found = windows_.find(&window);
    if (found == windows_.end())
        return;
    // The discard may come from a click on one of these very widgets: delete them later.
    if (QWidget *shell = found->second.window) {
        mainWindow_->pages().removeWidget(shell);
        retired_.retire(shell);
    }
    windows_.erase(found);
    if (frontPage_ == &window) {
        frontPage_ = nullptr;
        updateMainWindow();
    }
}

void Frontend::showWindow(const Window &window)
{
    Shown &shown = windows_.at(&window);
    if (window.isShown())
        build(shown);
    QWidget *shell = shown.window;
    if (window.kind() == WindowKind::Dialog) {
        const bool opening = window.isShown() && !shell->isVisible();
        if (opening) {
            shown.view->keepPlacesWhileInFront();
            static_cast<DialogWindow *>(shell)->chooseDefaultButton();
            shown.opener = actingWidget_;
        }
        // The page behind is disabled while the dialog is open, so the focus goes back to
        // the opener only once the user action that closes the dialog has ended.
        if (!window.isShown() && shell->isVisible())
            focusAfterAction_ = std::exchange(shown.opener, nullptr);
        shell->setVisible(window.isShown());
        if (window.isShown()) {
            shell->raise();
            shell->activateWindow();
        }
        if (opening) {
            if (QWidget *first = shown.view->firstTabStop())
                first->setFocus(Qt::TabFocusReason);
        }
        return;
    }
    if (window.isShown())
        frontPage_ = &window;
    else if (frontPage_ == &window)
        frontPage_ = nullptr;
    updateMainWindow();
}

void Frontend::updateMainWindow()
{
    if (frontPage_ == nullptr) {
        for (Window *window : app_->loadedWindows()) {
            if (window->kind() == WindowKind::Page && window->isShown() && windows_.contains(window))
                frontPage_ = window;
        }
    }
    // With no page shown for a moment (a page discarded before the next is shown) the
    // main window stays where it is; only the end of the program closes it.
    if (frontPage_ == nullptr)
        return;
    // Within a user action the page it leaves in front is built and shown at its end, so
    // that the pages it only passes through (opening a saved sheet walks them all) cost
    // nothing.
    if (layoutBatch_.has_value()) {
        frontPagePending_ = true;
        return;
    }
    showFrontPage();
}

void Frontend::showPendingFrontPage()
{
    if (std::exchange(frontPagePending_, false) && frontPage_ != nullptr)
        showFrontPage();
}

void Frontend::showFrontPage()
{
    const Shown &shown = windows_.at(frontPage_);
    build(shown);
    QWidget *page = shown.window;
    if (mainWindow_->pages().currentWidget() != page) {
        shown.view->keepPlacesWhileInFront();
        bringToFront(*page);
    }
    dialogs_->buildAfterFirstPaint(*page);
    mainWindow_->setWindowTitle(frontPage_->title());
    if (!mainWindow_->isVisible()) {
        mainWindow_->makeRoomFor(mainWindow_->sizeHint());
        mainWindow_->show();
    }
}

// Every page opens in the one main window at the window's size: the window never follows
// the page in front, so nothing jumps or moves on a page change. It opens large enough for
// the largest page a design shows and grows only should a page not fit; the size the user
// gives it, maximized included, it keeps. The stack measures only the page in front, and a
// hidden page tells its stack nothing, so the sizes change while the old page is still in
// front.
void Frontend::bringToFront(QWidget &page)
{
    // The new page is laid out at once; what the rest of the user action changes is laid
    // out once at its end.
    const bool batched = layoutBatch_.has_value();
    layoutBatch_.reset();
    QStackedWidget &pages = mainWindow_->pages();
    for (int i = 0; i < pages.count(); ++i) {
        const auto policy = pages.widget(i) == &page ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        pages.widget(i)->setSizePolicy(policy, policy);
    }
    pages.setCurrentWidget(&page);
    {
        // Laid out inner frames first as the batch lets go, before anything is painted.
        const LayoutBatch pageLayouts({&page});
        for (QLayout *layout : page.findChildren<QLayout *>())
            layout->invalidate();
    }
    mainWindow_->layout()->invalidate();
    mainWindow_->layout()->activate();
    mainWindow_->makeRoomFor(mainWindow_->sizeHint());
    if (batched)
        layoutBatch_.emplace(shownWindows());
}

void Frontend::windowChanged(Window &window, WindowProperty property)
{
    const auto found = windows_.find(&window);
    if (found == windows_.end())
        return;
    QWidget *shell = found->second.window;
    switch (property) {
    case WindowProperty::Title:
        shell->setWindowTitle(window.title());
        if (frontPage_ == &window)
            mainWindow_->setWindowTitle(window.title());
        break;
    case WindowProperty::Shown:
        showWindow(window);
        break;
    case WindowProperty::Enabled:
        shell->setEnabled(window.isEnabled());
        break;
    }
}

void Frontend::controlChanged(Control &control, ControlProperty property)
{
    const auto found = windows_.find(&control.window());
    if (found == windows_.end())
        return;
    found->second.view->sync(control, property);
    if (property == ControlProperty::Visible && found->second.view->isBuilt()) {
        if (auto *dialog = dynamic_cast<DialogWindow *>(found->second.window.data()))
            dialog->chooseDefaultButton();
    }
}

void Frontend::programEnded()
{
    for (const auto &[window, shown] : windows_) {
        if (shown.window != nullptr && window->kind() == WindowKind::Dialog)
            shown.window->hide();
    }
    mainWindow_->hide();
}

// Lays out and paints what the user action has changed so far, so that the windows behind
// a modal box show the values as they are now, not as they were before the click. The
// rest of the user action is laid out once at its end again.
void Frontend::runModal(const std::function<void()> &modal)
{
    const bool batched = layoutBatch_.has_value();
    layoutBatch_.reset();
    showPendingFrontPage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Only what changed is painted, as the event loop would have.
    for (QWidget *window : shownWindows())
        QCoreApplication::sendPostedEvents(window->window(), QEvent::UpdateRequest);
    modal();
    if (batched)
        layoutBatch_.emplace(shownWindows());
}

void Frontend::showMessage(const MessageBox &message)
{
    QMessageBox box(mainWindow_.get());
    box.setWindowTitle(message.title.isEmpty() ? QStringLiteral("Korvalde") : message.title);
    // The texts carry file and weapon names, which are never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(message.text);
    box.setIcon(toQt(message.icon));
    box.setInformativeText(message.informativeText);
    if (auto *informative = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    runModal([&] { box.exec(); });
    returnFocusTo(actingWidget_);
}

std::optional<QString> Frontend::askSaveFileName(const SaveRequest &request)
{
    // The desktop's own dialog where it offers one; Qt's dialog otherwise.
    QFileDialog &dialog = dialogs_->saveDialog();
    dialog.setNameFilter(request.filter);
    dialog.setDirectory(saveFolder());
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(QDir(saveFolder()).filePath(request.suggestedName));
    const std::optional<QString> chosen = runFileDialog(dialog);
    if (chosen)
        rememberSaveFolder(*chosen);
    return chosen;
}

std::optional<QString> Frontend::askOpenFileName(const OpenRequest &request)
{
    QFileDialog &dialog = dialogs_->openDialog();
    dialog.setNameFilters(request.filters);
    // Sheets are opened from where they are saved.
    dialog.setDirectory(saveFolder());
    return runFileDialog(dialog);
}

std::optional<QString> Frontend::runFileDialog(QFileDialog &dialog)
{
    std::optional<QString> chosen;
    runModal([&] {
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    });
    dialogs_->replace(dialog);
    if (chosen && chosen->isEmpty())
        chosen.reset();
    return chosen;
}

void Frontend::openSheet(const QString &path)
{
    runUserAction(windows::startPage, QStringLiteral("mnuOeffnen"), [this, &path] {
        app_->runUserAction([this, &path] { reopen::openSheet(*app_, path); });
        return QString();
    });
}

void Frontend::fileSaved(const QString &fileName)
{
    mainWindow_->statusBar()->showMessage(savedNotice(fileName), kSavedNoticeMilliseconds);
}

void Frontend::printCard(const WeaponCard &card)
{
    QPrintDialog &dialog = dialogs_->printDialog();
    QPrinter &printer = *dialog.printer();
    prepareCardPrinter(printer, card);
    // Printing to a file offers one named after this card in the folder saved to last, not
    // the last card's file. Without a printer the dialog can only print to a file.
    const QString cardFile = QDir(saveFolder()).filePath(card.fileName);
    if (printer.outputFormat() == QPrinter::PdfFormat || QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(cardFile);
    // A dialog used before read the printer's file name for the card it printed then; on
    // accepting it sets its own file field on the printer, so the field must offer this
    // card's file.
    if (auto *fileField = dialog.findChild<QLineEdit *>(QStringLiteral("filename")))
        fileField->setText(QDir::toNativeSeparators(cardFile));
    bool accepted = false;
    runModal([&] { accepted = dialog.exec() == QDialog::Accepted; });
    if (!accepted)
        return;
    if (!printWeaponCard(printer, card)) {
        showMessage({QStringLiteral("Die Waffenkarte konnte nicht gedruckt werden."), QStringLiteral("Korvalde"),
                     MessageIcon::Warning, printer.outputFileName()});
        return;
    }
    // Where the card went: the file printed to, or the printer.
    const QString printedTo =
        printer.outputFileName().isEmpty() ? printer.printerName() : QFileInfo(printer.outputFileName()).fileName();
    mainWindow_->statusBar()->showMessage(QStringLiteral("Gedruckt: %1").arg(printedTo), kSavedNoticeMilliseconds);
}

// The windows are closed already (see programEnded); what is left is the event loop.
void Frontend::endProgram()
{
    QCoreApplication::quit();
}

} // namespace korvalde::gui
