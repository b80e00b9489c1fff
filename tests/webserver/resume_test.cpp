#include "serverfixture.h"

#include <QJsonArray>

using namespace korvalde::web;
using namespace korvalde::web::testing;
using namespace std::chrono_literals;

namespace {

class Resuming : public ServerFixture {
protected:
    // A Sturmgewehr taken to page 5 with a sight clicked: the mount dialog is open over it.
    void designUpToTheMountDialog(PageClient &page)
    {
        for (const auto &[window, control] : std::vector<std::pair<QString, QString>>{{"Form1", "Option9"},
                                                                                      {"Form1", "Command1"},
                                                                                      {"Form2", "powerstufe1"},
                                                                                      {"Form2", "Weiter1"},
                                                                                      {"Form3", "Command2"},
                                                                                      {"Form4", "zweibein"},
                                                                                      {"Form4", "Command2"},
                                                                                      {"Form12", "sichtgerät"}}) {
            const QJsonObject answer = page.click(window, control);
            ASSERT_EQ(answer.value("type").toString(), "update")
                << window.toStdString() << "." << control.toStdString();
        }
    }

    static QByteArray tokenOf(const QJsonObject &view) { return view.value("token").toString().toLatin1(); }
};

TEST_F(Resuming, AConnectionKilledMidDesignComesBackWithTheSameSheetAndTheOpenDialog)
{
    startServer();
    QJsonObject first;
    auto page = openPage({}, first);
    const QByteArray token = tokenOf(first);
    ASSERT_GE(token.size(), 22) << "at least 128 bits";
    EXPECT_FALSE(first.value("resumed").toBool());
    designUpToTheMountDialog(*page);

    // A second page with the token takes the design over: what the first page showed.
    QJsonObject shown;
    auto second = openPage(token, shown);
    EXPECT_EQ(page->next().value("reason").toString(), "elsewhere");
    EXPECT_TRUE(page->waitClosed());
    second->kill();
    ASSERT_TRUE(waitUntil([&] { return sessions->openConnections() == 0; }));
    EXPECT_EQ(sessions->openSessions(), 1U);

    QJsonObject resumed;
    auto third = openPage(token, resumed);
    EXPECT_TRUE(resumed.value("resumed").toBool());
    EXPECT_EQ(resumed.value("front").toString(), "Form12");
    EXPECT_TRUE(windowShown(resumed, "Form11")) << "the mount dialog is open again";
    EXPECT_EQ(resumed.value("windows"), shown.value("windows"));
    EXPECT_NE(resumed.value("windows"), first.value("windows"));
    // And the design goes on from there.
    EXPECT_EQ(third->click("Form11", "aufmontiert").value("type").toString(), "update");
    EXPECT_EQ(third->click("Form11", "ok").value("type").toString(), "update");
}

TEST_F(Resuming, AMessageBoxStillOpenComesBackUntilTheNextGesture)
{
    startServer();
    QJsonObject view;
    auto page = openPage({}, view);
    const QByteArray token = tokenOf(view);
    const QJsonArray shown = page->click("Form1", "info").value("changes").toArray();
    ASSERT_TRUE(
        std::any_of(shown.begin(), shown.end(), [](const QJsonValue &change) { return change["op"] == "message"; }));
    page->kill();

    auto again = openPage(token, view);
    const QJsonArray changes = view.value("changes").toArray();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0]["op"].toString(), "message");
    EXPECT_TRUE(changes[0]["text"].toString().startsWith("Korvalde, der Waffenbaukasten"));

    // The player closed it and clicked on: a later return shows no message.
    EXPECT_EQ(again->click("Form1", "Option3").value("type").toString(), "update");
    again->kill();
    openPage(token, view);
    EXPECT_TRUE(view.value("changes").toArray().isEmpty());
}

TEST_F(Resuming, AWrongOrLateTokenStartsANewDesign)
{
    ServerLimits limits;
    limits.keepAfterDrop = 150ms;
    startServer(limits);
    QJsonObject view;
    auto page = openPage({}, view);
    const QByteArray token = tokenOf(view);
    page->click("Form1", "Option9");
    page->click("Form1", "Command1");

    QJsonObject wrong;
    openPage("Zm9vYmFy", wrong);
    EXPECT_FALSE(wrong.value("resumed").toBool());
    EXPECT_NE(tokenOf(wrong), token);
    EXPECT_EQ(wrong.value("front").toString(), "Form1");

    page->kill();
    ASSERT_TRUE(waitUntil([&] { return sessions->openSessions() == 0; })) << "dropped sessions end in time";
    QJsonObject late;
    openPage(token, late);
    EXPECT_FALSE(late.value("resumed").toBool());
    EXPECT_EQ(late.value("front").toString(), "Form1");
}

TEST_F(Resuming, ASessionWithoutMessagesEndsAndItsPageIsTold)
{
    ServerLimits limits;
    limits.idle = 300ms;
    startServer(limits);
    QJsonObject view;
    auto page = openPage({}, view);
    const QJsonObject closing = page->next();
    EXPECT_EQ(closing.value("type").toString(), "closing");
    EXPECT_EQ(closing.value("reason").toString(), "idle");
    EXPECT_TRUE(page->waitClosed());
    EXPECT_EQ(sessions->openSessions(), 0U);
}

TEST_F(Resuming, SessionsKeepTheirOwnDesigns)
{
    startServer();
    QJsonObject viewA, viewB;
    auto a = openPage({}, viewA);
    auto b = openPage({}, viewB);
    EXPECT_NE(tokenOf(viewA), tokenOf(viewB));
    a->click("Form1", "Option9");
    a->click("Form1", "Command1");
    EXPECT_EQ(b->click("Form2", "Weiter1").value("type").toString(), "error") << "b never left its start page";
    a->kill();
    b->kill();
    QJsonObject backA, backB;
    openPage(tokenOf(viewA), backA);
    openPage(tokenOf(viewB), backB);
    EXPECT_EQ(backA.value("front").toString(), "Form2");
    EXPECT_EQ(backB.value("front").toString(), "Form1");
}

} // namespace
