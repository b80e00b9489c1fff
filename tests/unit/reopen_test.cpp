#include "app/windowfactory.h"
#include "pages/completion/weaponsheet.h"
#include "pages/completion/windows1252.h"
#include "readfile.h"
#include "reopen/sheetfile.h"
#include "testplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace korvalde {
using test::readFile;

namespace {

class OpeningPlatform : public test::TestPlatform {
public:
    std::optional<QString> askOpenFileName(const OpenRequest &request) override
    {
        filters = request.filters;
        return openAnswer;
    }
    std::optional<QString> openAnswer;
    QStringList filters;
};

class Reopen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        app = startKorvalde(platform);
        app->userClick("Form1", "Option7");
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // "Öffnen…" in the start page's menu, answered with `path`.
    void open(const QString &path)
    {
        platform.openAnswer = path;
        ASSERT_TRUE(app->userClick("Form1", "mnuOeffnen").isEmpty());
    }

    void expectStartPageUntouched()
    {
        EXPECT_TRUE(app->find("Form1")->isShown());
        EXPECT_TRUE((*app->find("Form1"))["Option7"].isChecked());
        for (const QString &window : windowNames())
            EXPECT_EQ(app->isLoaded(window), window == "Form1") << window.toStdString();
    }

    QTemporaryDir folder;
    OpeningPlatform platform;
    std::unique_ptr<Application> app;
};

// Each complete design of the end-to-end flows, its line ends as saved or as LF alone,
// comes back as a walk through every page, and saves the very same bytes again.
TEST_F(Reopen, CompleteDesignsComeBackAsIfWalked)
{
    const QDir expected(QStringLiteral(KORVALDE_SOURCE_DIR "/tests/scenarios/flows/expected"));
    for (const QString &name : expected.entryList({"*.txt"})) {
        for (const bool unixLineEnds : {false, true}) {
            QByteArray bytes = readFile(expected.filePath(name));
            if (unixLineEnds)
                bytes.replace("\r\n", "\n");
            app = startKorvalde(platform);
            open(write(name, bytes));
            ASSERT_TRUE(platform.messages.empty()) << platform.messageTexts().join('\n').toStdString();
            const Window &completion = *app->find("Form5");
            EXPECT_TRUE(completion.isShown());
            EXPECT_EQ(toWindows1252(weaponSheetText(completion)), readFile(expected.filePath(name)));
            const QString frame = completion["typus"].text();
            EXPECT_EQ((*app->find("Form1"))["typ"].text(), frame);
            for (const char *page : {"Form2", "Form3", "Form4", "Form12"})
                EXPECT_TRUE(app->isLoaded(page)) << page;
        }
    }
    EXPECT_EQ(platform.filters, QStringList({"Waffenblätter (*.txt)", "Alle Dateien (*)"}));
}

// A sheet no design gives, or a file that is no sheet at all: one message, and the start
// page stays as the user left it.
TEST_F(Reopen, WhatIsNoSheetChangesNothing)
{
    QByteArray damaged = readFile(QStringLiteral(KORVALDE_SOURCE_DIR "/tests/scenarios/flows/expected/shotgun.txt"));
    damaged.replace("DP: ", "DP: 1");
    const QByteArray tooLong =
        readFile(QStringLiteral(KORVALDE_SOURCE_DIR "/tests/scenarios/flows/expected/shotgun.txt")) + " \r\n";
    // A carriage return ends a line only before a line feed.
    QByteArray cutShort = readFile(QStringLiteral(KORVALDE_SOURCE_DIR "/tests/scenarios/flows/expected/shotgun.txt"));
    cutShort.chop(1);
    const QByteArray smg = readFile(QStringLiteral(KORVALDE_SOURCE_DIR "/tests/scenarios/flows/expected/smg.txt"));
    const QByteArray smgInUtf8 = QString::fromLatin1(smg).toUtf8();
    const QByteArray smgWithoutList = smg.left(smg.lastIndexOf("Modifikationen"));
    const QString fifo = folder.filePath("fifo.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, QString> cases[] = {
        {write("beschädigt.txt", damaged),
         "Die Datei \"beschädigt.txt\" lässt sich nicht öffnen: Zeile 14 (DP) passt nicht."},
        {write("zu-lang.txt", tooLong),
         "Die Datei \"zu-lang.txt\" lässt sich nicht öffnen: Zeile 19 (überzählig) passt nicht."},
        {write("abgeschnitten.txt", cutShort),
         "Die Datei \"abgeschnitten.txt\" lässt sich nicht öffnen: Zeile 18 (Modifikationen) passt nicht."},
        {write("kurz.txt", "Name:      Taser #1\r\nTyp:       Taser\r\n"),
         "Die Datei \"kurz.txt\" lässt sich nicht öffnen: Zeile 3 (Tarnstufe) passt nicht."},
        {write("utf8.txt", smgInUtf8),
         "Die Datei \"utf8.txt\" lässt sich nicht öffnen: Zeile 10 (Verfügbare Halterungen) passt nicht."},
        {write("ohne-liste.txt", smgWithoutList),
         "Die Datei \"ohne-liste.txt\" lässt sich nicht öffnen: Zeile 18 (Modifikationen) passt nicht."},
        {write("leer.txt", QByteArray(70000, ' ')), "Die Datei \"leer.txt\" lässt sich nicht lesen."},
        {fifo, "Die Datei \"fifo.txt\" lässt sich nicht lesen."},
        {folder.path(), QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen.").arg(QDir(folder.path()).dirName())},
    };
    for (const auto &[path, message] : cases) {
        platform.messages.clear();
        open(path);
        EXPECT_EQ(platform.messageTexts(), QStringList{message});
        expectStartPageUntouched();
    }
}

// A pipe put in the sheet's place while it is opened is refused, never waited on. A helper
// swaps sheet and pipe round and round; whenever a reader waits on the pipe, it opens the
// pipe for writing and closes it again, which releases the reader with nothing read.
TEST(SheetFile, APipeSwappedInWhileOpeningIsRefusedNotWaitedOn)
{
    QTemporaryDir folder;
    const QByteArray sheet = QFile::encodeName(folder.filePath("blatt.txt"));
    const QByteArray other = QFile::encodeName(folder.filePath("rohr"));
    {
        QFile file(folder.filePath("blatt.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Name:      Rohr #1\r\n");
    }
    ASSERT_EQ(mkfifo(other.constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        bool pipeIsSheet = false;
        while (!done) {
            ASSERT_EQ(renameat2(AT_FDCWD, sheet.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE), 0);
            pipeIsSheet = !pipeIsSheet;
            const int writer = ::open((pipeIsSheet ? sheet : other).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
    });
    int read = 0;
    int refused = 0;
    for (int attempt = 0; attempt < 20000; ++attempt) {
        const std::optional<QStringList> lines = reopen::readSheetLines(QFile::decodeName(sheet));
        if (!lines) {
            ++refused;
            continue;
        }
        if (*lines != QStringList{"Name:      Rohr #1"}) {
            ADD_FAILURE() << "read the pipe as a sheet of " << lines->size() << " lines";
            break;
        }
        ++read;
    }
    done = true;
    swapper.join();
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace korvalde
