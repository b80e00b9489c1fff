// What the save dialog offers, and the name a sheet can always hold.

#include "app/windowfactory.h"
#include "model/savefile.h"
#include "pages/completion/suggestedfilename.h"
#include "pages/completion/weaponcard.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvalde {
namespace {

class SuggestionRecordingPlatform : public Platform {
public:
    void showMessage(const MessageBox &) override {}
    std::optional<QString> askSaveFileName(const SaveRequest &request) override
    {
        suggestions << request.suggestedName;
        return answer;
    }
    void endProgram() override {}

    QStringList suggestions;
    std::optional<QString> answer;
};

class CompletionSaveName : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = startKorvalde(platform);
        page = &app->window("Form5");
    }

    void save(const QString &name, const std::optional<QString> &answer)
    {
        (*page)["waffenname"].setText(name);
        platform.answer = answer;
        app->runUserAction([this] { (*page)["cmdSave"].press(); });
    }

    QTemporaryDir folder;
    SuggestionRecordingPlatform platform;
    std::unique_ptr<Application> app;
    Window *page = nullptr;
};

TEST_F(CompletionSaveName, FirstSaveOffersTheWeaponsNameLaterSavesTheFileChosenLast)
{
    save(" Donner: <Büchse>/\"1\"?* ", std::nullopt);
    // Printing to a file offers the same name as a PDF.
    EXPECT_EQ(completion::weaponCard(*page).fileName, "Donner_ _Büchse___1___.pdf");
    save("Donner", folder.filePath("erste.txt"));
    save("Anders", std::nullopt);
    save(".", std::nullopt);
    EXPECT_EQ(platform.suggestions,
              (QStringList{"Donner_ _Büchse___1___.txt", "Donner.txt", "erste.txt", "erste.txt"}));

    // A fresh page starts over from the weapon's name.
    app->runUserAction([this] { (*page)["Command1"].press(); });
    page = &app->window("Form5");
    save(".", std::nullopt);
    EXPECT_EQ(platform.suggestions.constLast(), "Waffe.txt");
}

TEST_F(CompletionSaveName, ControlCharactersBecomeBlanksAndTheSheetKeepsItsLines)
{
    const QString target = folder.filePath("waffe.txt");
    save(QStringLiteral("A\vB\fC\x1b"
                        "D\x7f"
                        "E\u0085F\tG"),
         target);
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("Name:      A B C D E F\tG\r\n")) << bytes.left(40).constData();
    EXPECT_EQ(bytes.count('\n'), 18);
    EXPECT_EQ(bytes.count('\r'), 18);
}

// However long the name and whatever its letters, the file offered can be saved, and saved
// over again; the name is cut between letters, never inside one.
TEST(SuggestedFileName, EveryLongNameGivesAFileThatSavesAndSavesOver)
{
    QTemporaryDir folder;
    const QString accent = QStringLiteral("e\u0301");
    const QStringList names = {
        QString(300, u'W'),
        QString(300, u'€'),
        QString(300, u'–'),
        QString(300, u'銃'),
        QStringLiteral("😀").repeated(100),
        accent.repeated(200),
        QStringLiteral("Ä ").repeated(200),
    };
    for (const QString &name : names) {
        for (const char *const suffix : {".txt", ".pdf"}) {
            const QString offered = completion::suggestedFileName(name, suffix);
            const QString stem = offered.chopped(4);
            EXPECT_TRUE(offered.endsWith(suffix)) << offered.toStdString();
            EXPECT_TRUE(name.normalized(QString::NormalizationForm_C).startsWith(stem)) << offered.toStdString();
            EXPECT_GE(offered.toUtf8().size(), 240) << "not cut more than needed: " << offered.toStdString();
            EXPECT_FALSE(stem.endsWith(u' ')) << offered.toStdString();
            EXPECT_FALSE(stem.back().isHighSurrogate()) << offered.toStdString();
            const QString path = folder.filePath(offered);
            EXPECT_EQ(saveFileWhole(path, "erste\r\n"), QString()) << offered.toStdString();
            EXPECT_EQ(saveFileWhole(path, "zweite\r\n"), QString()) << "over: " << offered.toStdString();
            QFile::remove(path);
        }
    }
}

} // namespace
} // namespace korvalde
