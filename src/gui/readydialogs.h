#pragma once

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <chrono>
#include <memory>

namespace korvalde::gui {

// The file and print dialogs the program opens. Building Qt's file dialog can take several
// frames and opening a built one does not, so the file dialogs are built ahead, in idle
// time once the first page is on screen, or when first asked for if the user is quicker.
//
// A file dialog serves one opening and its successor is built in idle time: one used
// before keeps its folder listing and its selection, so a name typed the next time could
// lose to the file picked the last time, and a file that arrived since would be refused.
//
// The print dialog is built when first asked for: it takes a few milliseconds, no wait a
// user sees, but it loads the print system and connects to its service, which would cost
// every session the memory of that whether it prints or not. Once built it stays, with its
// printer, which keeps the user's choices.
class ReadyDialogs : public QObject {
public:
    explicit ReadyDialogs(QWidget &parent);
    ~ReadyDialogs() override;
    ReadyDialogs(const ReadyDialogs &) = delete;
    ReadyDialogs &operator=(const ReadyDialogs &) = delete;

    // Builds the dialogs soon after `page` is painted, one per pass of the event loop, so
    // that a click that comes meanwhile waits for one dialog at most. Only the first call
    // counts. Work still queued when the dialogs go is dropped with them.
    void buildAfterFirstPaint(QWidget &page);

    QFileDialog &saveDialog();
    QFileDialog &openDialog();
    // After a file dialog has been answered: builds its successor in idle time.
    void replace(const QFileDialog &used);
    QPrintDialog &printDialog();

private:
    // Building starts this long after the page is painted or a dialog closed, once the
    // frame is out and what the click left is done; then one dialog per pass.
    static constexpr std::chrono::milliseconds kPause{20};

    void buildInIdleTime(std::chrono::milliseconds pause);
    bool buildNextNeeded();
    QFileDialog &fileDialog(std::unique_ptr<QFileDialog> &kept, QFileDialog::AcceptMode acceptMode,
                            QFileDialog::FileMode fileMode);

    QWidget &parent_;
    bool buildAsked_ = false;
    std::unique_ptr<QFileDialog> save_;
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintDialog> print_;
};

} // namespace korvalde::gui
