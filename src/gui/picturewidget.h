#pragma once

#include <QString>
#include <QWidget>

namespace korvalde::gui {

// A decorative picture of the program's own drawing, chosen by name ("crosshair",
// "cartridge"); an unknown name draws an empty frame, so a layout never breaks on it.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(const QString &pictureName, QWidget *parent = nullptr);

    void setPictureName(const QString &pictureName);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString pictureName_;
};

} // namespace korvalde::gui
