#pragma once

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <chrono>
#include <memory>

namespace korvalde::gui {

// The file and print dialogs one page opens, built ahead. Building Qt's dialogs can take
// several frames and opening a built one does not, so they are built in idle time once the
// page is on screen, or when first asked for if the user is quicker. They go with the page.
//
// A file dialog serves one opening and its successor is built in idle time: one used
// before keeps its folder listing and its selection, so a name typed the next time could
// lose to the file picked the last time, and a file that arrived since would be refused.
// The print dialog stays, with its printer, which keeps the user's choices.
class ReadyDialogs {
public:
    // Which of them the page opens; nothing else is built ahead.
    struct Needs {
        bool save = false;
        bool open = false;
        bool print = false;
    };

    ReadyDialogs(QWidget &parent, Needs needs);
    ~ReadyDialogs();
    ReadyDialogs(const ReadyDialogs &) = delete;
    ReadyDialogs &operator=(const ReadyDialogs &) = delete;

    // Builds what the page opens soon after `page` is painted, one dialog per pass of the
    // event loop, so that a click that comes meanwhile waits for one dialog at most. Only
    // the first call counts.
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
    Needs needs_;
    bool buildAsked_ = false;
    std::unique_ptr<QFileDialog> save_;
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintDialog> print_;
    // Expires with the dialogs: idle-time work queued for them then does nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace korvalde::gui
