#include "app/windowfactory.h"
#include "sessionreplies.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvalde {
using test::changesOf;
using test::onlyChange;
using test::PageSide;

namespace {

QJsonObject controlIn(const QJsonObject &window, const QString &name)
{
    for (const QJsonValue &control : window["controls"].toArray()) {
        if (control["name"].toString() == name)
            return control.toObject();
    }
    return {};
}

// The page connects: it gets the start page whole, as the desktop program shows it first.
TEST(WebSession, WelcomeShowsTheStartPageWhole)
{
    PageSide page;
    const QJsonObject view = page.welcome();
    EXPECT_EQ(view["type"], "view");
    EXPECT_EQ(view["front"], "Form1");
    EXPECT_GT(view["uploadLimit"].toInt(), 64 * 1024);
    const QJsonArray windows = view["windows"].toArray();
    ASSERT_EQ(windows.size(), 1);
    const QJsonObject start = windows[0].toObject();
    EXPECT_EQ(start["name"], "Form1");
    EXPECT_EQ(start["kind"], "page");
    EXPECT_EQ(start["shown"], true);
    EXPECT_EQ(start["title"], "\"Korvalde\" - Waffenkonstruktion");
    const QJsonObject option = controlIn(start, "Option9");
    EXPECT_EQ(option["kind"], "option");
    EXPECT_EQ(option["state"], "unchecked");
    EXPECT_EQ(option["parent"], "Frame1");
    EXPECT_EQ(controlIn(start, "Command1")["text"], "&Weiter");
    EXPECT_EQ(controlIn(start, "Command1")["enabled"], false);
    EXPECT_EQ(controlIn(start, "typ")["visible"], false);
    EXPECT_EQ(controlIn(start, "mnuOeffnen")["kind"], "menu");
    EXPECT_EQ(controlIn(start, "mnuOeffnen")["parent"], "mnuDatei");
}

// A click brings back what it changed, each control once with its last value, and
// nothing that did not change.
TEST(WebSession, AClickAnswersWithWhatItChanged)
{
    PageSide page;
    page.welcome();
    const QJsonObject answer = page.click("Form1", "Option9");
    EXPECT_EQ(answer["type"], "update");
    EXPECT_EQ(answer["id"], page.lastId);
    EXPECT_EQ(answer["front"], "Form1");
    EXPECT_EQ(onlyChange(answer, "control", "Form1", "Option9").value_or(QJsonObject())["state"], "checked");
    EXPECT_EQ(onlyChange(answer, "control", "Form1", "dp").value_or(QJsonObject())["text"], "225");
    EXPECT_EQ(onlyChange(answer, "control", "Form1", "Command1").value_or(QJsonObject())["enabled"], true);
    EXPECT_TRUE(changesOf(answer, "control", "Form1", "Option1").isEmpty());
    EXPECT_TRUE(changesOf(answer, "create").isEmpty());

    // Going on makes page 2 (and the pages its load reaches into) whole, as they are at
    // the end of the click, and hides the start page.
    const QJsonObject forward = page.click("Form1", "Command1");
    EXPECT_EQ(forward["front"], "Form2");
    const auto page2 = onlyChange(forward, "create", "Form2");
    ASSERT_TRUE(page2);
    EXPECT_EQ((*page2)["shown"], true);
    EXPECT_EQ(controlIn(*page2, "modus6")["state"], "checked");
    EXPECT_EQ(controlIn(*page2, "dp")["text"], "225");
    EXPECT_TRUE(changesOf(forward, "control", "Form2").isEmpty()) << "a new window travels whole, once";
    EXPECT_EQ(onlyChange(forward, "window", "Form1").value_or(QJsonObject())["shown"], false);
}

// Back steps discard a page; going forward again makes a fresh one, which the page
// learns as a discard followed by a window made anew.
TEST(WebSession, ADiscardedPageComesBackFresh)
{
    PageSide page;
    page.welcome();
    page.click("Form1", "Option9");
    page.click("Form1", "Command1");
    page.click("Form2", "tarnstufe1");
    const QJsonObject back = page.click("Form2", "Zurück1");
    EXPECT_EQ(back["front"], "Form1");
    EXPECT_TRUE(onlyChange(back, "discard", "Form2"));
    const QJsonObject again = page.click("Form1", "Command1");
    const auto page2 = onlyChange(again, "create", "Form2");
    ASSERT_TRUE(page2);
    EXPECT_EQ(controlIn(*page2, "tarnstufe1")["state"], "unchecked");
}

// What the core asks of its platform reaches the page after the windows' changes: a
// message box stands over the page as the click left it.
TEST(WebSession, MessagesAndRequestsFollowTheChanges)
{
    PageSide page;
    page.welcome();
    for (const char *control : {"Option9", "Command1"})
        page.click("Form1", control);
    for (const char *control : {"tarnstufe2", "keramikstufe1", "rück2", "zerlegbar"})
        page.click("Form2", control);
    const QJsonObject answer = page.click("Form2", "lauf1");
    const auto message = onlyChange(answer, "message");
    ASSERT_TRUE(message);
    EXPECT_EQ((*message)["text"], "FKE darf nicht unter 0 liegen !");
    EXPECT_EQ((*message)["title"], "Korvalde");
    const QJsonArray changes = answer["changes"].toArray();
    EXPECT_EQ(changes.last().toObject()["op"], "message");
    EXPECT_EQ(onlyChange(answer, "control", "Form2", "Weiter1").value_or(QJsonObject())["enabled"], false);

    PageSide other;
    other.welcome();
    const auto info = onlyChange(other.click("Form1", "info"), "message");
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)["icon"], "information");
    const auto chooser = onlyChange(other.click("Form1", "mnuOeffnen"), "choose-file");
    ASSERT_TRUE(chooser);
    EXPECT_EQ((*chooser)["accept"].toArray(), QJsonArray{".txt"});
}

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
    EXPECT_EQ(page.upload("weit.txt", "x")["type"], "update") << "the start page takes uploads";

    const QJsonObject after = page.click("Form1", "Option9");
    EXPECT_EQ(after["type"], "update");
    EXPECT_EQ(onlyChange(after, "control", "Form1", "dp").value_or(QJsonObject())["text"], "225");
    EXPECT_FALSE(page.session.isOver());
}

// Two players design side by side: neither sees the other's clicks.
TEST(WebSession, SessionsShareNothing)
{
    PageSide first;
    PageSide second;
    first.welcome();
    second.welcome();
    first.click("Form1", "Option9");
    first.click("Form1", "Command1");
    const QJsonObject view = second.welcome();
    EXPECT_EQ(view["front"], "Form1");
    EXPECT_EQ(controlIn(view["windows"].toArray()[0].toObject(), "dp")["text"], "0");
    const QJsonObject answer = second.click("Form1", "Option1");
    EXPECT_EQ(onlyChange(answer, "control", "Form1", "dp").value_or(QJsonObject())["text"], "25");
    EXPECT_EQ(first.click("Form2", "tarnstufe1")["type"], "update");
}

TEST(WebSession, EndingTheProgramEndsTheSession)
{
    PageSide page;
    page.welcome();
    const QJsonObject answer = page.click("Form1", "mnuSubBeenden");
    EXPECT_TRUE(onlyChange(answer, "ended"));
    EXPECT_EQ(answer["front"], "");
    EXPECT_TRUE(page.session.isOver());
    EXPECT_EQ(page.click("Form1", "Option9")["type"], "error");
}

} // namespace
} // namespace korvalde
