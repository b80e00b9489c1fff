#include "app/windowfactory.h"
#include "pages/completion/savesheet.h"
#include "readfile.h"
#include "testplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace korvalde {
using test::readFile;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class CompletionSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        app = startKorvalde(platform);
        page = &app->window("Form5");
        page->operator[]("waffenname").setText(QStringLiteral("Donnerbüchse"));
        page->operator[]("dp").setText(QStringLiteral("1400"));
    }

    void pressSave(const std::optional<QString> &answer)
    {
        platform.saveAnswer = answer;
        app->runUserAction([this] { (*page)["cmdSave"].press(); });
    }

    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder;
    test::TestPlatform platform;
    std::unique_ptr<Application> app;
    Window *page = nullptr;
};

TEST_F(CompletionSave, CancellingAfterAnEarlierSaveWritesNothing)
{
    const QString target = folder.filePath("waffe.txt");
    pressSave(target);
    const QByteArray first = readFile(target);
    ASSERT_TRUE(first.startsWith("Name:      Donnerb\xFC"));
    EXPECT_EQ(platform.lastSaveRequest->filter, "Textdateien (*.txt)");
    (*page)["waffenname"].setText(QStringLiteral("Anders"));
    pressSave(std::nullopt);
    pressSave(QString());
    EXPECT_EQ(readFile(target), first);
    EXPECT_EQ(filesInFolder(), QStringList{"waffe.txt"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.saved.size(), 1) << "only the first press saved";
}

// The message names the file and the reason, in German.
void expectSaveFailureReported(const std::vector<MessageBox> &messages, const QString &fileName, const QString &reason)
{
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, completion::kSaveFailedMessage);
    EXPECT_EQ(messages[0].title, QStringLiteral("Korvalde"));
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[0].informativeText.contains(fileName)) << messages[0].informativeText.toStdString();
    EXPECT_TRUE(messages[0].informativeText.endsWith("\n" + reason)) << messages[0].informativeText.toStdString();
}

// The sheet is written to a temporary file and put in place only when complete. Here it
// cannot be put in place: the name already has the longest length the file system allows,
// so no name can be made beside it (which holds even for root), and the existing file
// must stay as it was.
TEST_F(CompletionSave, AnUnwritableTargetIsReportedAndKeepsTheExistingFile)
{
    const QString name = QString(251, QLatin1Char('w')) + ".txt";
    const QString target = folder.filePath(name);
    const QByteArray before("alte Waffe\r\n\x00\xFF", 14);
    writeFile(target, before);
    pressSave(target);
    expectSaveFailureReported(platform.messages, name, "Der Dateiname ist zu lang.");
    EXPECT_TRUE(platform.saved.isEmpty());
    EXPECT_EQ(readFile(target), before);
    EXPECT_EQ(filesInFolder(), QStringList{name});
}

TEST_F(CompletionSave, AMissingFolderIsReportedAndCreatesNothing)
{
    const QString target = folder.filePath("fehlt/waffe.txt");
    pressSave(target);
    expectSaveFailureReported(platform.messages, "waffe.txt", "Den Ordner gibt es nicht.");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(filesInFolder().isEmpty());
}

// A write that breaks off part-way (as on a full disk) must neither cut the existing file
// short nor leave the partial temporary file behind.
TEST_F(CompletionSave, AWriteCutShortKeepsTheExistingFileAndLeavesNoPart)
{
    const QString target = folder.filePath("waffe.txt");
    const QByteArray before("eine lange alte Waffe, die nicht verloren gehen darf\r\n");
    writeFile(target, before);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit smallLimit = previousLimit;
    smallLimit.rlim_cur = 40;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
    pressSave(target);
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    expectSaveFailureReported(platform.messages, "waffe.txt",
                              "Die Datei lässt sich nicht vollständig schreiben; vielleicht ist der Datenträger voll.");
    EXPECT_EQ(readFile(target), before);
    EXPECT_EQ(filesInFolder(), QStringList{"waffe.txt"});
}

} // namespace
} // namespace korvalde
