#include "app/windowfactory.h"

#include <gtest/gtest.h>

namespace korvalde {
namespace {

class SilentPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages << message.text; }
    std::optional<QString> askSaveFileName(const SaveRequest &) override { return std::nullopt; }
    void endProgram() override {}

    QStringList messages;
};

class CompletionPage : public ::testing::Test {
protected:
    SilentPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    Window &page = app->window("Form5");
};

TEST_F(CompletionPage, ThePriceIsFiveTimesEveryDpTotalZeroIncluded)
{
    page["dp"].setText("1400");
    EXPECT_EQ(page["preis"].text(), "7000");
    page["dp"].setText("12,5");
    EXPECT_EQ(page["preis"].text(), "62,5");
    page["dp"].setText("0");
    EXPECT_EQ(page["preis"].text(), "0");
}

// The sheet saves the name as one line, so no line break may get into it.
TEST_F(CompletionPage, TheNameKeepsToOneLine)
{
    page["waffenname"].setText(QStringLiteral("Erste Zeile\r\nzweite\ndritte\u2028vierte"));
    EXPECT_EQ(page["waffenname"].text(), QStringLiteral("Erste Zeile zweite dritte vierte"));
    page["waffenname"].setText(QStringLiteral("Nur eine Zeile"));
    EXPECT_EQ(page["waffenname"].text(), QStringLiteral("Nur eine Zeile"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

} // namespace
} // namespace korvalde
