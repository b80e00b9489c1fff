#pragma once

#include "devtoolsclient.h"
#include "driver.h"

#include <QJsonValue>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace korvalde::scenario::browser {

// The scenario driver that works the program's web page in the browser, as a user would:
// mouse clicks at the control's centre, typed text, the page's download and upload. What
// it reads, it reads from what the page shows. Each driver has a page of its own, in a
// browser context of its own (no storage, no downloads shared with a page beside it),
// and with it a fresh session of the program.
class BrowserDriver : public Driver {
public:
    BrowserDriver() = default;
    ~BrowserDriver() override;

    // Connects to the browser at `devTools` and opens `page` in a fresh tab `width` CSS
    // pixels wide; returns why it could not.
    QString start(const QUrl &devTools, const QUrl &page, int width = kDesktopWidth);

    QString click(const QString &window, const QString &control) override;
    QString pick(const QString &window, const QString &control, const QString &entry) override;
    QString type(const QString &window, const QString &control, const QString &text) override;
    QString close(const QString &window) override;
    QString save(const std::optional<QString> &path) override;
    QString open(const std::optional<QString> &path) override;

    bool isKnownWindow(const QString &window) const override;
    bool isLoaded(const QString &window) const override;
    std::optional<ControlKind> controlKind(const QString &window, const QString &control) const override;
    QString windowProperty(const QString &window, const QString &property) const override;
    QString controlProperty(const QString &window, const QString &control, const QString &property) const override;

    QStringList takeMessages() override { return std::exchange(messages_, {}); }
    bool hasEnded() const override;
    QString openModalWindow() const override;
    QString takeScreenshot(const QString &path) override;

    // For checks of the page's layout: evaluates `expression` in the page (awaiting it
    // when it is a promise) and returns its value, or nothing with why in `error`.
    std::optional<QJsonValue> evaluate(const QString &expression, QString *error = nullptr) const;
    // Lays the page out `width` CSS pixels wide, as a window or phone of that width.
    QString setWidth(int width);
    // Reloads the tab as its user would, and waits for the page to come up again.
    QString reload();
    // Waits until the page has answered every gesture, then closes each message box that
    // appeared with its OK button, recording its text.
    QString settle();

    static constexpr int kDesktopWidth = 1280;
    static constexpr int kDesktopHeight = 900;

private:
    // Asks the page's reader (pagereader.js) `call`, e.g. "aim(...args)" with the
    // arguments given as JSON.
    QJsonValue ask(const QString &function, const QJsonArray &arguments) const;
    // Where to click to reach the control, or why the user cannot; opens the menu the
    // control is an item of (`opening`: it has just been opened).
    struct Aim {
        QString why;
        double x = 0;
        double y = 0;
        QString kind;
        bool readOnly = false;
    };
    Aim aim(const QString &window, const QString &control, bool opening = false);
    static Aim refused(const QString &why);
    QString mouseClick(double x, double y);
    QString pressKey(const QString &key, int code, int modifiers = 0, const QStringList &commands = {});
    QString pressForDownload(const std::optional<QString> &path);

    mutable DevToolsClient client_;
    QString targetId_;
    QString session_;
    QString context_;
    QTemporaryDir downloads_;
    QStringList messages_;
};

} // namespace korvalde::scenario::browser
