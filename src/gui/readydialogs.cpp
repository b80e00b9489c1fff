#include "readydialogs.h"

#include "afterfirstpaint.h"

#include <QPointer>
#include <QTimer>

#include <utility>

namespace korvalde::gui {

ReadyDialogs::ReadyDialogs(QWidget &parent) : parent_(parent) {}

// The print dialog refers to its printer: it goes first.
ReadyDialogs::~ReadyDialogs()
{
    print_.reset();
}

void ReadyDialogs::buildAfterFirstPaint(QWidget &page)
{
    if (std::exchange(buildAsked_, true))
        return;
    afterFirstPaint(page, [dialogs = QPointer<ReadyDialogs>(this)] {
        if (dialogs)
            dialogs->buildInIdleTime(kPause);
    });
}

void ReadyDialogs::buildInIdleTime(std::chrono::milliseconds pause)
{
    QTimer::singleShot(pause, this, [this] {
        if (buildNextNeeded())
            buildInIdleTime(std::chrono::milliseconds::zero());
    });
}

bool ReadyDialogs::buildNextNeeded()
{
    if (save_ == nullptr)
        saveDialog();
    else if (open_ == nullptr)
        openDialog();
    else
        return false;
    return true;
}

QFileDialog &ReadyDialogs::saveDialog()
{
    return fileDialog(save_, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

QFileDialog &ReadyDialogs::openDialog()
{
    return fileDialog(open_, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

QFileDialog &ReadyDialogs::fileDialog(std::unique_ptr<QFileDialog> &kept, QFileDialog::AcceptMode acceptMode,
                                      QFileDialog::FileMode fileMode)
{
    if (kept == nullptr) {
        kept = std::make_unique<QFileDialog>(&parent_);
        kept->setAcceptMode(acceptMode);
        kept->setFileMode(fileMode);
    }
    return *kept;
}

void ReadyDialogs::replace(const QFileDialog &used)
{
    for (std::unique_ptr<QFileDialog> *kept : {&save_, &open_}) {
        if (kept->get() == &used) {
            // Taking a file dialog down waits for its folder-reading thread: that, too,
            // is work for idle time. Until then its parent holds it.
            QTimer::singleShot(kPause, kept->release(), &QObject::deleteLater);
        }
    }
    buildInIdleTime(kPause);
}

QPrintDialog &ReadyDialogs::printDialog()
{
    if (print_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        print_ = std::make_unique<QPrintDialog>(printer_.get(), &parent_);
        print_->setWindowTitle(QStringLiteral("Waffenkarte drucken"));
    }
    return *print_;
}

} // namespace korvalde::gui
