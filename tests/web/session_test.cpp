// What only a page's own messages can reach: the browser runs every design through the real
// page, so these are the gestures a page could send that no user's click makes, and what
// the page is handed that no scenario reads.

#include "sessionreplies.h"

#include <gtest/gtest.h>

namespace korvalde {
using test::onlyChange;
using test::PageSide;

namespace {

// Whatever a page sends that is not a gesture the session can take gets an error
// answer, numbered where the message had a readable number, and the session goes on.
TEST(WebSession, RefusedMessagesLeaveTheSessionAsItWas)
{
    PageSide page;
    page.welcome();
    struct Case {
        QByteArray message;
        std::optional<int> id;
        QString says;
    };
    const std::vector<Case> cases = {
        {"{\"id\":1,\"type\":\"click\"", std::nullopt, "malformed JSON"},
        {"[1,2]", std::nullopt, "JSON object"},
        {"{\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Option9\"}", std::nullopt, "\"id\""},
        {"{\"id\":-1,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Option9\"}", std::nullopt, "\"id\""},
        {"{\"id\":1.5,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Option9\"}", std::nullopt, "\"id\""},
        {"{\"id\":2,\"type\":\"drag\",\"window\":\"Form1\"}", 2, "unknown type"},
        {"{\"id\":3,\"type\":\"click\",\"window\":\"Form1\"}", 3, "\"control\""},
        {"{\"id\":4,\"type\":\"click\",\"window\":\"Form1\",\"control\":9}", 4, "\"control\""},
        {"{\"id\":5,\"type\":\"pick\",\"window\":\"Form1\",\"control\":\"Option9\"}", 5, "\"entry\""},
        {"{\"id\":6,\"type\":\"click\",\"window\":\"Form99\",\"control\":\"x\"}", 6, "unknown window"},
        {"{\"id\":7,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"nichts\"}", 7, "no control"},
        {"{\"id\":8,\"type\":\"click\",\"window\":\"Form3\",\"control\":\"Command2\"}", 8, "not loaded"},
        {"{\"id\":9,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Command1\"}", 9, "disabled"},
        {"{\"id\":10,\"type\":\"type\",\"window\":\"Form1\",\"control\":\"dp\",\"text\":\"1\"}", 10, "typed"},
        {"{\"id\":11,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Option9\",\"pad\":\"" +
             QByteArray(64 * 1024, 'x') + "\"}",
         std::nullopt, "larger than"},
    };
    for (const Case &refused : cases) {
        const QJsonObject answer = PageSide::parse(page.session.receiveText(refused.message));
        SCOPED_TRACE(refused.message.left(80).toStdString());
        EXPECT_EQ(answer["type"], "error");
        EXPECT_TRUE(answer["message"].toString().contains(refused.says)) << answer["message"].toString().toStdString();
        if (refused.id)
            EXPECT_EQ(answer["id"], *refused.id);
        else
            EXPECT_TRUE(answer["id"].isNull());
    }
    for (const QByteArray &binary : {QByteArray("no header line"), QByteArray("{\"id\":1,\"type\":\"click\"}\nx"),
                                     QByteArray("{\"id\":1,\"type\":\"upload\"}\nx")})
        EXPECT_EQ(PageSide::parse(page.session.receiveBinary(binary))["type"], "error") << binary.toStdString();

    // A sheet is read up to the largest size a sheet may have; the page sends one byte more
    // of a larger file, and anything longer is no upload a page makes. The message names
    // the file, never a folder the page put before it.
    const auto messageFor = [&](const QString &name, qsizetype size) {
        return onlyChange(page.upload(name, QByteArray(size, ' ')), "message")
            .value_or(QJsonObject())
            .value("text")
            .toString();
    };
    EXPECT_EQ(messageFor("ordner/voll.txt", 64 * 1024),
              "Die Datei \"voll.txt\" lässt sich nicht öffnen: Zeile 1 (Name) "
              "passt nicht.");
    EXPECT_EQ(messageFor("gross.txt", 64 * 1024 + 1), "Die Datei \"gross.txt\" lässt sich nicht lesen.");
    EXPECT_EQ(page.upload("groesser.txt", QByteArray(64 * 1024 + 2, ' '))["type"], "error");

    const QJsonObject after = page.click("Form1", "Option9");
    EXPECT_EQ(after["type"], "update");
    EXPECT_EQ(onlyChange(after, "control", "Form1", "dp").value_or(QJsonObject())["text"], "225");
    EXPECT_FALSE(page.session.isOver());

    // Away from the start page nothing can be opened.
    page.click("Form1", "Command1");
    EXPECT_EQ(page.upload("blatt.txt", "Name:      A\r\n")["type"], "error");
}

// A click answers with what it changed, each control once with its last value, and nothing
// that did not change; a new window travels whole, once.
TEST(WebSession, AClickAnswersWithWhatItChanged)
{
    PageSide page;
    page.welcome();
    const QJsonObject answer = page.click("Form1", "Option9");
    EXPECT_EQ(answer["id"], page.lastId);
    EXPECT_EQ(onlyChange(answer, "control", "Form1", "dp").value_or(QJsonObject())["text"], "225");
    EXPECT_TRUE(test::changesOf(answer, "control", "Form1", "Option1").isEmpty());
    const QJsonObject forward = page.click("Form1", "Command1");
    EXPECT_TRUE(onlyChange(forward, "create", "Form2"));
    EXPECT_TRUE(test::changesOf(forward, "control", "Form2").isEmpty());
}

// Printing hands the page the card the desktop prints, for the browser's own print dialog.
TEST(WebSession, PrintingSendsTheCard)
{
    PageSide page;
    page.welcome();
    for (const auto &[window, control] : std::vector<std::pair<QString, QString>>{{"Form1", "Option9"},
                                                                                  {"Form1", "Command1"},
                                                                                  {"Form2", "Weiter1"},
                                                                                  {"Form3", "Command2"},
                                                                                  {"Form4", "zweibein"},
                                                                                  {"Form4", "Command2"},
                                                                                  {"Form12", "Command2"}})
        ASSERT_EQ(page.click(window, control)["type"], "update") << control.toStdString();
    page.type("Form5", "waffenname", QStringLiteral("Donnerbüchse: „Ærger“"));
    const auto print = onlyChange(page.click("Form5", "cmdDrucken"), "print");
    ASSERT_TRUE(print);
    const QJsonObject card = (*print)["card"].toObject();
    EXPECT_EQ(card["name"], QStringLiteral("Donnerbüchse: „Ærger“"));
    EXPECT_EQ(card["frame"].toObject()["value"], "Sturmgewehr");
    EXPECT_TRUE(card["price"].toObject()["value"].toString().endsWith("Kordo"));
    EXPECT_TRUE(card["modifications"].toArray().contains("Zweibein"));
    EXPECT_FALSE(card["statistics"].toArray().isEmpty());
}

} // namespace
} // namespace korvalde
