#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QStackedWidget>

#include <functional>

namespace korvalde::gui {

// The one main window: the pages stand in its stack, so every page opens where the one
// before stood. Closing it is the user's close of the page in front; the core decides.
class MainWindow : public QMainWindow {
public:
    MainWindow();

    QStackedWidget &pages() const { return *pages_; }
    void onUserClose(std::function<void()> operation) { userClose_ = std::move(operation); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QStackedWidget *pages_;
    std::function<void()> userClose_;
};

// A dialog window of the core: non-modal, in front of the main window. Its close control
// and Escape go to the core as the user's close.
class DialogWindow : public QDialog {
    Q_OBJECT

public:
    DialogWindow(QWidget *content, QWidget *owner);

    void onUserClose(std::function<void()> operation) { userClose_ = std::move(operation); }
    // The button Enter presses, by what the dialog shows now: OK, or Cancel while there is
    // nothing to tick. Call once the content holds its buttons, and whenever it changes.
    void chooseDefaultButton();
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    static constexpr int kTitleBarButtonsWidth = 160;

    std::function<void()> userClose_;
};

} // namespace korvalde::gui
