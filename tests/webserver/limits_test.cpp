#include "serverfixture.h"

#include <QJsonDocument>
#include <QTest>

#include <set>

using namespace korvalde::web;
using namespace korvalde::web::testing;

namespace {

using Limits = ServerFixture;

TEST_F(Limits, AFullServerStillGivesItsPageAndTellsTheNextPlayerWhy)
{
    ServerLimits limits;
    limits.maxSessions = 2;
    startServer(limits);
    QJsonObject first, second;
    auto a = openPage({}, first);
    auto b = openPage({}, second);
    // A dropped session still holds its place until it ends.
    a->kill();
    ASSERT_TRUE(waitUntil([&] { return sessions->openConnections() == 1; }));

    PageClient third(socketUrl(), origin().toLatin1());
    const QJsonObject refused = third.next();
    EXPECT_EQ(refused.value("type").toString(), "closing");
    EXPECT_EQ(refused.value("reason").toString(), "full");
    EXPECT_EQ(refused.value("message").toString(), "Der Server ist voll, bitte später noch einmal.");
    EXPECT_TRUE(third.waitClosed());
    EXPECT_EQ(sessions->openSessions(), 2U);

    EXPECT_EQ(rawGet("/").status, 200);
    // The player who lost the connection gets back in.
    QJsonObject resumed;
    openPage(first.value("token").toString().toLatin1(), resumed);
    EXPECT_TRUE(resumed.value("resumed").toBool());
}

TEST_F(Limits, AnOversizedMessageClosesTheConnectionAndTheSessionWaits)
{
    startServer();
    QJsonObject view;
    auto page = openPage({}, view);
    page->click("Form1", "Option9");
    // Well-formed JSON just over 64 KiB: the size alone closes.
    page->sendText(R"({"id":1,"type":"type","window":"Form1","control":"x","text":")" + QByteArray(64 * 1024, 'a') +
                   R"("})");
    EXPECT_TRUE(page->waitClosed());
    EXPECT_EQ(page->closeCode(), 1009);

    QJsonObject resumed;
    auto again = openPage(view.value("token").toString().toLatin1(), resumed);
    EXPECT_TRUE(resumed.value("resumed").toBool());
    EXPECT_EQ(again->click("Form1", "Command1").value("front").toString(), "Form2");
}

TEST_F(Limits, AnOversizedUploadClosesAndALargeFileIsRefusedByTheSession)
{
    startServer();
    QJsonObject view;
    auto page = openPage({}, view);
    // One byte over the largest file a sheet may be: the session refuses it and goes on.
    page->sendBinary(R"({"id":7,"type":"upload","name":"gross.txt"})"
                     "\n" +
                     QByteArray(64 * 1024 + 2, 'x'));
    const QJsonObject answer = page->next();
    EXPECT_EQ(answer.value("type").toString(), "error");
    EXPECT_EQ(answer.value("id").toInt(), 7);
    EXPECT_EQ(page->click("Form1", "Option9").value("type").toString(), "update");
    // Far beyond: the connection closes before the message is read whole.
    page->sendBinary(QByteArray(1024 * 1024, 'x'));
    EXPECT_TRUE(page->waitClosed());
    EXPECT_EQ(sessions->openSessions(), 1U);
}

TEST_F(Limits, MalformedMessagesAreAnsweredAndTheSessionGoesOn)
{
    startServer();
    QJsonObject view;
    auto page = openPage({}, view);
    for (const QByteArray &message : {QByteArray("{"), QByteArray("[1,2]"), QByteArray("\xff\xfe"), QByteArray(),
                                      QByteArray(R"({"id":"x","type":"click"})"),
                                      QByteArray(R"({"id":1,"type":"click","window":"Form99","control":"a"})")}) {
        page->sendText(message);
        EXPECT_EQ(page->next().value("type").toString(), "error") << message.toStdString();
    }
    page->sendBinary("no header");
    EXPECT_EQ(page->next().value("type").toString(), "error");
    EXPECT_EQ(page->click("Form1", "Option9").value("type").toString(), "update");
    EXPECT_FALSE(page->isClosed());
}

TEST_F(Limits, AFloodIsHeldBackThenRefusedAndEveryMessageAnswered)
{
    ServerLimits limits;
    limits.messagesPerSecond = 20;
    startServer(limits);
    QJsonObject view;
    auto page = openPage({}, view);
    constexpr int kSent = 100;
    for (int id = 1; id <= kSent; ++id)
        page->sendText(QStringLiteral(R"({"id":%1,"type":"close","window":"Form99"})").arg(id).toLatin1());
    ASSERT_TRUE(waitUntil([&] { return page->received().size() >= kSent; }));
    std::set<int> answered;
    int refused = 0;
    for (const QJsonObject &answer : page->received()) {
        answered.insert(answer.value("id").toInt());
        if (answer.value("message").toString().startsWith("too many messages"))
            ++refused;
    }
    EXPECT_EQ(answered.size(), std::size_t{kSent});
    // A second's worth passes at once and another is held back; the rest is refused.
    EXPECT_GE(refused, kSent - 2 * limits.messagesPerSecond - 5);
    EXPECT_LE(refused, kSent - 2 * limits.messagesPerSecond);
    page->received().clear();
    QTest::qWait(1100);
    EXPECT_EQ(page->click("Form1", "Option9").value("type").toString(), "update");
}

} // namespace
