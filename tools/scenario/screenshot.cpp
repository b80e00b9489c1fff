#include "screenshot.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPixmap>

namespace korvalde::scenario {

namespace {

constexpr int kSettleMilliseconds = 200;

QString besidePath(const QString &path, const QString &name)
{
    const QFileInfo info(path);
    return info.path() + '/' + info.completeBaseName() + '-' + name + '.' + info.suffix();
}

} // namespace

QString takeScreenshot(gui::Frontend &frontend, const QString &path)
{
    // Each nested layout that changed asks its parent to re-measure in an event of its own.
    QCoreApplication::processEvents(QEventLoop::AllEvents, kSettleMilliseconds);
    QStringList failed;
    if (!frontend.mainWindow().grab().save(path))
        failed << path;
    for (QWidget *dialog : frontend.mainWindow().findChildren<QDialog *>()) {
        const QString dialogPath = besidePath(path, dialog->objectName());
        if (dialog->isVisible() && !dialog->grab().save(dialogPath))
            failed << dialogPath;
    }
    return failed.isEmpty() ? QString() : QStringLiteral("cannot save the picture ") + failed.join(", ");
}

} // namespace korvalde::scenario
