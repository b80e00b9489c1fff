#include "environment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace korvalde::scenario::browser {

namespace {

// Both programs are up in well under a second on an idle machine; a loaded one with
// several builds beside it may take a few.
constexpr int kStartSeconds = 30;
constexpr int kStopSeconds = 5;

// Waits until `read` finds what it looks for in the file, or the process ends or the
// time is up.
template <typename Read>
auto pollFile(const QString &path, QProcess &process, Read read) -> decltype(read(QByteArray()))
{
    const QDeadlineTimer deadline(kStartSeconds * 1000);
    for (;;) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            if (auto found = read(file.readAll()))
                return found;
        }
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return {};
        QThread::msleep(20);
    }
}

void stopProcess(std::unique_ptr<QProcess> &process)
{
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
    process.reset();
}

} // namespace

Environment::~Environment()
{
    stop();
    // The browser's helper processes end a moment after it and may still write into its
    // profile meanwhile: the work folder goes once they have, not left behind in /tmp.
    const QDeadlineTimer deadline(kStopSeconds * 1000);
    while (work_.isValid() && !QDir(work_.path()).removeRecursively() && !deadline.hasExpired())
        QThread::msleep(20);
}

void Environment::stop()
{
    stopProcess(browser_);
    stopProcess(server_);
}

QString Environment::start(const QString &webProgram)
{
    if (QString why = startServer(webProgram); !why.isEmpty())
        return why;
    return startBrowser();
}

QString Environment::startServer(const QString &webProgram)
{
    if (!work_.isValid())
        return QStringLiteral("cannot make a temporary folder");
    if (!QFileInfo(webProgram).isExecutable())
        return QStringLiteral("the web server %1 is not built").arg(webProgram);
    const QString address = work_.filePath(QStringLiteral("web-address"));
    server_ = std::make_unique<QProcess>();
    server_->setStandardOutputFile(address);
    server_->setStandardErrorFile(qEnvironmentVariableIsSet("KORVALDE_SCENARIO_WEB_LOG")
                                      ? qEnvironmentVariable("KORVALDE_SCENARIO_WEB_LOG")
                                      : QProcess::nullDevice());
    server_->start(webProgram, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
    if (!server_->waitForStarted(kStartSeconds * 1000))
        return QStringLiteral("cannot start %1: %2").arg(webProgram, server_->errorString());
    // The server names the address it listens on once it does.
    static const QRegularExpression listening(QStringLiteral(R"((\d+\.\d+\.\d+\.\d+):(\d+))"));
    const std::optional<QUrl> url = pollFile(address, *server_, [](const QByteArray &text) -> std::optional<QUrl> {
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(text));
        if (!match.hasMatch() || !text.contains('\n'))
            return std::nullopt;
        return QUrl(QStringLiteral("http://%1:%2/").arg(match.captured(1), match.captured(2)));
    });
    if (!url)
        return QStringLiteral("%1 named no address it listens on").arg(webProgram);
    page_ = *url;
    return {};
}

QString Environment::browserProgram()
{
    return qEnvironmentVariableIsSet("KORVALDE_CHROMIUM") ? qEnvironmentVariable("KORVALDE_CHROMIUM")
                                                          : QStringLiteral("/usr/bin/chromium");
}

QStringList Environment::browserArguments(const QString &profile)
{
    return {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
            QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
            QStringLiteral("--no-default-browser-check"), QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--disable-extensions"),
            // Pages side by side in one browser all run at full speed.
            QStringLiteral("--disable-background-timer-throttling"), QStringLiteral("--disable-renderer-backgrounding"),
            QStringLiteral("--disable-backgrounding-occluded-windows"), QStringLiteral("--remote-debugging-port=0"),
            QStringLiteral("--user-data-dir=%1").arg(profile), QStringLiteral("about:blank")};
}

QString Environment::startBrowser()
{
    if (!work_.isValid())
        return QStringLiteral("cannot make a temporary folder");
    const QString profile = work_.filePath(QStringLiteral("profile"));
    QDir().mkpath(profile);
    browser_ = std::make_unique<QProcess>();
    browser_->setStandardOutputFile(QProcess::nullDevice());
    browser_->setStandardErrorFile(work_.filePath(QStringLiteral("browser-log")));
    browser_->start(browserProgram(), browserArguments(profile));
    if (!browser_->waitForStarted(kStartSeconds * 1000))
        return QStringLiteral("cannot start %1: %2").arg(browserProgram(), browser_->errorString());
    // With port 0 the browser picks a free port and writes it, and its WebSocket's path,
    // into the profile folder.
    const std::optional<QUrl> url = pollFile(
        QDir(profile).filePath(QStringLiteral("DevToolsActivePort")), *browser_,
        [](const QByteArray &text) -> std::optional<QUrl> {
            const QList<QByteArray> lines = text.split('\n');
            if (lines.size() < 2 || !lines[1].startsWith('/'))
                return std::nullopt;
            return QUrl(QStringLiteral("ws://127.0.0.1:%1%2")
                            .arg(QString::fromLatin1(lines[0].trimmed()), QString::fromLatin1(lines[1].trimmed())));
        });
    if (!url)
        return QStringLiteral("the browser %1 opened no debugging port").arg(browserProgram());
    devTools_ = *url;
    return {};
}

} // namespace korvalde::scenario::browser
