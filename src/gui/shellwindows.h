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
    // Opens at a size the largest page of any design fits in, or `needed` when that is
    // larger; later it grows only to `needed`, never shrinks, and a maximized or
    // full-screen window keeps its size.
    void makeRoomFor(QSize needed);
    void onUserClose(std::function<void()> operation) { userClose_ = std::move(operation); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The size the window opens at, in the font's units: what page 2 of the widest frames
    // takes, the largest of all pages; within the screen.
    QSize openingSize() const;

    static constexpr int kOpeningWidthInLetters = 208;
    static constexpr int kOpeningHeightInLines = 48;
    static constexpr int kFrameAllowance = 8;

    QStackedWidget *pages_;
    std::function<void()> userClose_;
    bool sized_ = false;
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
