#include "serverfixture.h"

using namespace korvalde::web;
using namespace korvalde::web::testing;

namespace {

using Security = ServerFixture;

void expectStrictHeaders(const ServerFixture::RawAnswer &answer, const QByteArray &target)
{
    const QByteArray policy = answer.headers.value("content-security-policy");
    SCOPED_TRACE(target.toStdString());
    EXPECT_TRUE(policy.startsWith("default-src 'self';")) << policy.toStdString();
    EXPECT_TRUE(policy.contains("frame-ancestors 'none'"));
    EXPECT_FALSE(policy.contains("unsafe-inline"));
    EXPECT_FALSE(policy.contains("unsafe-eval"));
    EXPECT_FALSE(policy.contains("script-src")) << "scripts fall back to 'self'";
    EXPECT_EQ(answer.headers.value("x-content-type-options"), "nosniff");
    EXPECT_EQ(answer.headers.value("referrer-policy"), "no-referrer");
    EXPECT_EQ(answer.headers.value("x-frame-options"), "DENY");
}

TEST_F(Security, EveryAnswerCarriesTheStrictHeaders)
{
    startServer();
    for (const auto &[target, status] : std::vector<std::pair<QByteArray, int>>{
             {"/", 200}, {"/main.js", 200}, {"/style.css", 200}, {"/nowhere", 404}, {"/ws", 426}}) {
        const RawAnswer answer = rawGet(target);
        EXPECT_EQ(answer.status, status) << target.toStdString();
        expectStrictHeaders(answer, target);
    }
}

TEST_F(Security, OnlyThePagesOwnFilesAreServed)
{
    startServer();
    EXPECT_EQ(rawGet("/views/button.js").status, 200);
    EXPECT_EQ(rawGet("/pictures/crosshair.svg").headers.value("content-type"), "image/svg+xml");
    for (const char *target :
         {"/views", "/views/", "/pictures/", "/../main.cpp", "/views/../../main.cpp", "/%2e%2e/main.cpp",
          "/.%2E/main.cpp", "/views%2f..%2f..%2fmain.cpp", "/..%5cmain.cpp", "//etc/passwd", "/%2fetc/passwd",
          "/index.html%00.js", "/.", "/./", "/%2e", "/views/%2e%2e/index.html", "/:/page/index.html"}) {
        const RawAnswer answer = rawGet(target);
        EXPECT_EQ(answer.status, 404) << target;
        EXPECT_FALSE(answer.body.contains("<script")) << target;
    }
}

TEST_F(Security, ASessionOpensOnlyFromThePagesOwnOriginOrOneNamed)
{
    startServer({}, {QStringLiteral("https://waffen.example.org")});
    for (const char *foreign :
         {"http://evil.example", "http://127.0.0.1:1", "null", "https://waffen.example.org.evil.example", "file://"}) {
        PageClient page(socketUrl(), foreign);
        EXPECT_FALSE(page.waitConnected()) << foreign;
    }
    EXPECT_EQ(sessions->openSessions(), 0U);
    EXPECT_EQ(sessions->openConnections(), 0U);
    for (const QByteArray &allowed : {origin().toLatin1(), QByteArray("https://waffen.example.org"),
                                      QByteArray("https://WAFFEN.example.org:443")}) {
        PageClient page(socketUrl(), allowed);
        EXPECT_TRUE(page.waitConnected()) << allowed.toStdString();
        EXPECT_EQ(page.next().value("type").toString(), "view");
    }
}

TEST_F(Security, TheShutdownTellsEveryPageFirst)
{
    startServer();
    QJsonObject view;
    auto a = openPage({}, view);
    auto b = openPage({}, view);
    bool allGone = false;
    sessions->closeAll([&] { allGone = true; });
    for (PageClient *page : {a.get(), b.get()}) {
        const QJsonObject closing = page->next();
        EXPECT_EQ(closing.value("reason").toString(), "shutdown");
        EXPECT_EQ(closing.value("message").toString(), "Der Server wird beendet.");
        EXPECT_TRUE(page->waitClosed());
    }
    EXPECT_TRUE(waitUntil([&] { return allGone; }));
    // A page knocking now hears the same.
    PageClient late(socketUrl(), origin().toLatin1());
    EXPECT_EQ(late.next().value("reason").toString(), "shutdown");
}

} // namespace
