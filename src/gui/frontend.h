#pragma once

#include "layoutbatch.h"
#include "model/application.h"
#include "readydialogs.h"
#include "retiredwidgets.h"
#include "shellwindows.h"
#include "windowview.h"

#include <QFileDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace korvalde::gui {

// The Qt face of the core: mirrors every window the core reports and hands the user's
// input back as user actions. It is also the core's platform (message boxes, the save
// dialog, the end of the program).
class Frontend : public ModelObserver, public Platform {
public:
    Frontend();
    ~Frontend() override;
    Frontend(const Frontend &) = delete;
    Frontend &operator=(const Frontend &) = delete;

    // Starts mirroring the application; call before it creates its first window. The
    // application must go before the front end does.
    void attach(Application &app);

    MainWindow &mainWindow() const { return *mainWindow_; }
    // The widget or menu action of a control of a loaded window, or null. A window's
    // widgets are built when it is first shown; asking for one builds them earlier.
    QWidget *widget(const QString &window, const QString &control) const;
    QAction *action(const QString &window, const QString &control) const;
    // The window's own widget: the page in the stack or the dialog; null if not loaded.
    // Until the window is first shown or one of its widgets is asked for, it is empty.
    QWidget *windowWidget(const QString &window) const;
    // Does the user see the window: the page in front of the shown main window, or an
    // open dialog.
    bool isOnScreen(const QString &window) const;

    // Opens the saved weapon sheet at `path` as the start page's "Öffnen…" does; for a
    // file named on the command line.
    void openSheet(const QString &path);

    // ModelObserver
    void windowCreated(Window &window) override;
    void windowDiscarded(Window &window) override;
    void windowChanged(Window &window, WindowProperty property) override;
    void controlChanged(Control &control, ControlProperty property) override;
    void programEnded() override;

    // Platform
    void showMessage(const MessageBox &message) override;
    std::optional<QString> askSaveFileName(const SaveRequest &request) override;
    std::optional<QString> askOpenFileName(const OpenRequest &request) override;
    // Confirmed in the main window's status bar for a few seconds.
    void fileSaved(const QString &fileName) override;
    void printCard(const WeaponCard &card) override;
    void endProgram() override;

private:
    struct Shown {
        std::unique_ptr<WindowView> view;
        QPointer<QWidget> window; // the page in the stack or the dialog
        QPointer<QWidget> opener; // a dialog's: the widget whose click opened it
    };

    UserInput inputFor(const QString &window);
    // Runs a user action on the widgets; afterwards the core's answer decides what they
    // show, laid out once.
    void runUserAction(const QString &window, const QString &control, const std::function<QString()> &action);
    void resync(const QString &window, const QString &control);
    // The page in front of the shown main window, and the open dialogs.
    std::vector<QWidget *> shownWindows() const;
    // The widgets a window shows, built on first need.
    const Shown *built(const QString &window) const;
    void build(const Shown &shown) const;
    void showWindow(const Window &window);
    // Finds the page in front; outside a user action it is shown at once, within one at
    // its end.
    void updateMainWindow();
    // Puts the page in front into the main window, titles it and shows the window.
    void showFrontPage();
    void showPendingFrontPage();
    void bringToFront(QWidget &page);
    const Shown *shownOf(const QString &window) const;
    // Runs a file dialog modally; the chosen file, or nothing when cancelled.
    std::optional<QString> runFileDialog(QFileDialog &dialog);
    void runModal(const std::function<void()> &modal);
    // Gives the keyboard focus back to the widget, if the user can still reach it.
    static void returnFocusTo(QWidget *widget);

    static constexpr int kSavedNoticeMilliseconds = 5000;

    Application *app_ = nullptr;
    RetiredWidgets retired_;
    std::unique_ptr<MainWindow> mainWindow_;
    // The file dialogs built ahead and the print dialog; they go before the main window.
    std::unique_ptr<ReadyDialogs> dialogs_;
    std::map<const Window *, Shown> windows_;
    const Window *frontPage_ = nullptr;
    bool frontPagePending_ = false;
    // Held during a user action on the widgets; let go before a modal dialog runs.
    std::optional<LayoutBatch> layoutBatch_;
    // The widget of the user action running now, and where the focus goes when it ends.
    QPointer<QWidget> actingWidget_;
    QPointer<QWidget> focusAfterAction_;
};

} // namespace korvalde::gui
