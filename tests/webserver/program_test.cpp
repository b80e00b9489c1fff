// The installed program as a service runs it: started as a process, spoken to over
// loopback, stopped with SIGTERM.
#include "pageclient.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace korvalde::web::testing;

namespace {

// Every call that makes, opens, renames or removes a file.
const QString kFileCalls =
    QStringLiteral("trace=open,openat,openat2,creat,mkdir,mkdirat,unlink,unlinkat,rename,renameat,renameat2,"
                   "truncate,link,linkat,symlink,symlinkat");

class Program : public ::testing::Test {
protected:
    // Starts korvalde-web, under strace when `traced`, and reads the address it prints.
    void start(bool traced)
    {
        QStringList arguments{QStringLiteral(KORVALDE_WEB), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")};
        QString program = arguments.takeFirst();
        if (traced) {
            const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
            ASSERT_FALSE(strace.isEmpty()) << "strace is in the set-up's package list";
            arguments = QStringList{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"),
                                    kFileCalls,           QStringLiteral("-o"),  traceFile()}
                        << program << arguments;
            program = strace;
        }
        // A group of its own, so that the end of a test ends the server too, not only the
        // strace around it.
        server.setChildProcessModifier([] { ::setpgid(0, 0); });
        server.start(program, arguments);
        ASSERT_TRUE(server.waitForStarted(kWaitMs));
        while (!server.canReadLine())
            ASSERT_TRUE(server.waitForReadyRead(kWaitMs)) << "no address printed";
        address = QString::fromUtf8(server.readLine()).trimmed();
        ASSERT_TRUE(address.startsWith(QStringLiteral("http://127.0.0.1:")));
    }

    void TearDown() override
    {
        if (server.state() != QProcess::NotRunning) {
            ::kill(-static_cast<pid_t>(server.processId()), SIGKILL);
            server.waitForFinished(kWaitMs);
        }
    }

    QString traceFile() const { return folder.filePath(QStringLiteral("files.trace")); }
    QStringList traceLines()
    {
        QFile file(traceFile());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QUrl socketUrl() const
    {
        return QUrl(QString(address).replace(QStringLiteral("http"), QStringLiteral("ws")) + "ws");
    }

    int get(const QByteArray &path)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, QUrl(address).port());
        socket.waitForConnected(kWaitMs);
        socket.write("GET " + path + " HTTP/1.1\r\nHost: x\r\n\r\n");
        QByteArray head;
        waitUntil([&] {
            head += socket.readAll();
            return head.contains("\r\n\r\n");
        });
        return head.split(' ').value(1).toInt();
    }

    QTemporaryDir folder;
    QProcess server;
    QString address;
};

TEST_F(Program, ReadsAndWritesNoFileOnceItRuns)
{
    start(true);
    const qsizetype atStart = traceLines().size();
    ASSERT_GT(atStart, 0) << "the trace sees the start";

    EXPECT_EQ(get("/"), 200);
    EXPECT_EQ(get("/main.js"), 200);
    EXPECT_EQ(get("/../../etc/passwd"), 404);
    // A design saved (the sheet goes to the page) and a sheet opened (it comes from the page).
    PageClient saving(socketUrl());
    ASSERT_FALSE(saving.next().isEmpty());
    for (const auto &[window, control] : std::vector<std::pair<QString, QString>>{{"Form1", "Option1"},
                                                                                  {"Form1", "Command1"},
                                                                                  {"Form2", "Weiter1"},
                                                                                  {"Form3", "Command2"},
                                                                                  {"Form4", "Command2"},
                                                                                  {"Form12", "Command2"}})
        ASSERT_EQ(saving.click(window, control).value("type").toString(), "update") << control.toStdString();
    const QJsonArray saved = saving.click("Form5", "cmdSave").value("changes").toArray();
    ASSERT_TRUE(
        std::any_of(saved.begin(), saved.end(), [](const QJsonValue &change) { return change["op"] == "download"; }));
    PageClient opening(socketUrl());
    ASSERT_FALSE(opening.next().isEmpty());
    opening.sendBinary(R"({"id":1,"type":"upload","name":"blatt.txt"})"
                       "\nName: Blitz\r\n");
    EXPECT_FALSE(opening.next().isEmpty());

    const QStringList after = traceLines().mid(atStart);
    EXPECT_TRUE(after.isEmpty()) << after.join(u'\n').toStdString();
}

TEST_F(Program, SigtermTellsEveryPageAndEndsCleanly)
{
    start(false);
    PageClient first(socketUrl());
    PageClient second(socketUrl());
    ASSERT_EQ(first.next().value("type").toString(), "view");
    ASSERT_EQ(second.next().value("type").toString(), "view");
    ASSERT_EQ(first.click("Form1", "Option9").value("type").toString(), "update");
    {
        PageClient lost(socketUrl());
        ASSERT_EQ(lost.next().value("type").toString(), "view");
        lost.kill();
    }
    // The log notes each session's start and a lost connection, and nothing of what was designed.
    QByteArray log;
    EXPECT_TRUE(waitUntil([&] {
        server.waitForReadyRead(10);
        log += server.readAllStandardError();
        return log.contains("Sitzung 3 unterbrochen");
    })) << log.toStdString();
    EXPECT_TRUE(log.contains("Sitzung 1 begonnen")) << log.toStdString();
    EXPECT_FALSE(log.contains("Sturmgewehr")) << log.toStdString();
    ::kill(static_cast<pid_t>(server.processId()), SIGTERM);
    for (PageClient *page : {&first, &second}) {
        const QJsonObject closing = page->next();
        EXPECT_EQ(closing.value("type").toString(), "closing");
        EXPECT_EQ(closing.value("message").toString(), "Der Server wird beendet.");
        EXPECT_TRUE(page->waitClosed());
    }
    // It may have ended while the pages were read.
    ASSERT_TRUE(server.state() == QProcess::NotRunning || server.waitForFinished(kWaitMs));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
}

} // namespace
