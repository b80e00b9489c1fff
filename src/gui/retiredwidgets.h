#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace korvalde::gui {

// Widgets of windows the program has discarded ("&Neu" discards every page at once). They
// are hidden at once and deleted one window per pass of the event loop, after the page
// the user now sees is painted, so that no single pass spends long on taking them down.
class RetiredWidgets : public QObject {
public:
    RetiredWidgets() = default;
    ~RetiredWidgets() override;
    RetiredWidgets(const RetiredWidgets &) = delete;
    RetiredWidgets &operator=(const RetiredWidgets &) = delete;

    void retire(QWidget *widget);

private:
    void deleteOne();

    QList<QPointer<QWidget>> waiting_;
};

} // namespace korvalde::gui
