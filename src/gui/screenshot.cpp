#include "screenshot.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

namespace korvalde::gui {

namespace {

constexpr int kSettleMilliseconds = 200;

bool clickAsUser(Frontend &frontend, const QString &address)
{
    const QString window = address.section('.', 0, 0);
    const QString control = address.section('.', 1);
    if (auto *button = qobject_cast<QAbstractButton *>(frontend.widget(window, control));
        button != nullptr && button->isEnabled() && frontend.isOnScreen(window)) {
        button->click();
        return true;
    }
    if (QAction *action = frontend.action(window, control); action != nullptr && action->isEnabled()) {
        action->trigger();
        return true;
    }
    std::fprintf(stderr, "cannot click %s\n", qUtf8Printable(address));
    return false;
}

QString besidePath(const QString &path, const QString &name)
{
    const QFileInfo info(path);
    return info.path() + '/' + info.completeBaseName() + '-' + name + '.' + info.suffix();
}

} // namespace

bool takeScreenshot(Frontend &frontend, const QStringList &clicks, const QString &path)
{
    frontend.setMessageRunner(
        [](QMessageBox &box) { std::fprintf(stderr, "message: %s\n", qUtf8Printable(box.text())); });
    for (const QString &address : clicks) {
        if (!clickAsUser(frontend, address))
            return false;
    }
    // Let the layouts settle as the running program's event loop would: each nested
    // layout that changed asks its parent to re-measure in an event of its own.
    QCoreApplication::processEvents(QEventLoop::AllEvents, kSettleMilliseconds);
    bool saved = frontend.mainWindow().grab().save(path);
    for (QWidget *dialog : frontend.mainWindow().findChildren<QDialog *>()) {
        if (dialog->isVisible())
            saved = dialog->grab().save(besidePath(path, dialog->objectName())) && saved;
    }
    return saved;
}

} // namespace korvalde::gui
