#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace korvalde::scenario::browser {

// What a run in the browser needs before its first scenario: the program's web server on
// a free loopback port and one headless browser, both started once and shared by every
// scenario's page. Started before any scenario's process is forked, so that none of them
// holds a pipe of the others; both write to files, never to pipes.
class Environment {
public:
    Environment() = default;
    ~Environment();
    Environment(const Environment &) = delete;
    Environment &operator=(const Environment &) = delete;

    // Starts `webProgram` and the browser; returns why it could not.
    QString start(const QString &webProgram);
    // Each alone, for pages that need no server.
    QString startServer(const QString &webProgram);
    QString startBrowser();
    void stop();

    // The browser's own WebSocket, to which every scenario connects.
    QUrl devTools() const { return devTools_; }
    // The page a fresh session starts from.
    QUrl page() const { return page_; }

    // The browser program and its switches: headless, no sandbox (it may run as root in
    // a container), nothing that would reach for a network that is not there.
    static QString browserProgram();
    static QStringList browserArguments(const QString &profile);

private:
    QTemporaryDir work_;
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> browser_;
    QUrl devTools_;
    QUrl page_;
};

} // namespace korvalde::scenario::browser
