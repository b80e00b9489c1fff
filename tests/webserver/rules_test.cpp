#include "commandline.h"
#include "messagerate.h"
#include "originpolicy.h"
#include "sessiontoken.h"

#include <gtest/gtest.h>

#include <set>

using namespace korvalde::web;
using namespace std::chrono_literals;

namespace {

TEST(OriginPolicy, LetsInThePagesOwnOriginAndTheNamedOnes)
{
    const OriginPolicy policy({QStringLiteral("https://waffen.example.org"), QStringLiteral("http://lan:8080")});
    struct Case {
        const char *origin;
        const char *host;
        bool allowed;
    };
    for (const Case &c : std::initializer_list<Case>{
             {"http://127.0.0.1:8080", "127.0.0.1:8080", true},
             {"http://127.0.0.1:8080", "127.0.0.1:8081", false},
             {"https://korvalde.example", "korvalde.example", true},
             {"https://korvalde.example:443", "korvalde.example", true},
             {"http://korvalde.example", "korvalde.example:8080", false},
             {"http://[::1]:8080", "[::1]:8080", true},
             {"https://waffen.example.org", "127.0.0.1:8080", true},
             {"http://lan:8080", "127.0.0.1:8080", true},
             {"http://lan", "127.0.0.1:8080", false},
             {"https://evil.example", "127.0.0.1:8080", false},
             {"null", "127.0.0.1:8080", false},
             {"http://127.0.0.1:8080/path", "127.0.0.1:8080", false},
             {"ftp://127.0.0.1:8080", "127.0.0.1:8080", false},
             {"http://127.0.0.1:8080", "", false},
             {"http://127.0.0.1:8080", "127.0.0.1:8080/x", false},
             {"", "127.0.0.1:8080", true},
         })
        EXPECT_EQ(policy.allows(c.origin, c.host), c.allowed) << c.origin << " at " << c.host;
}

TEST(MessageRate, ASecondsWorthAtOnceThenTheSteadyRate)
{
    const auto start = MessageRate::Clock::now();
    MessageRate rate(50, start);
    int taken = 0;
    while (rate.take(start))
        ++taken;
    EXPECT_EQ(taken, 50);
    EXPECT_EQ(rate.untilFree(start), 20ms);
    EXPECT_FALSE(rate.take(start + 19ms));
    EXPECT_TRUE(rate.take(start + 20ms));
    EXPECT_FALSE(rate.take(start + 20ms));
    // A long pause fills up to a second's worth, no more.
    taken = 0;
    while (rate.take(start + 1h))
        ++taken;
    EXPECT_EQ(taken, 50);
}

TEST(SessionToken, IsLongRandomAndFitsInAnAddress)
{
    std::set<QByteArray> seen;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray token = newSessionToken();
        EXPECT_EQ(token.size(), 43);
        EXPECT_EQ(QByteArray::fromBase64(token, QByteArray::Base64UrlEncoding).size(), 32);
        for (const char c : token)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') << token.toStdString();
        seen.insert(token);
    }
    EXPECT_EQ(seen.size(), 1000U);
    EXPECT_EQ(sessionKey("abc"), sessionKey("abc"));
    EXPECT_NE(sessionKey("abc"), sessionKey("abd"));
}

CommandLine read(std::initializer_list<const char *> arguments)
{
    QStringList list{QStringLiteral("korvalde-web")};
    for (const char *argument : arguments)
        list << QString::fromUtf8(argument);
    return readCommandLine(list);
}

TEST(ServerCommandLine, ReadsTheLimitsAndOrigins)
{
    const CommandLine defaults = read({});
    EXPECT_FALSE(defaults.exitStatus);
    EXPECT_EQ(defaults.limits.maxSessions, 200U);
    EXPECT_EQ(defaults.limits.idle, 30min);
    EXPECT_EQ(defaults.limits.keepAfterDrop, 2min);

    const CommandLine set = read({"--max-sessions", "7", "--idle-minutes", "5", "--allow-origin",
                                  "https://waffen.example.org", "--allow-origin", "http://lan:8080"});
    EXPECT_FALSE(set.exitStatus);
    EXPECT_EQ(set.limits.maxSessions, 7U);
    EXPECT_EQ(set.limits.idle, 5min);
    EXPECT_EQ(set.allowedOrigins, QStringList({"https://waffen.example.org", "http://lan:8080"}));

    const std::vector<std::pair<const char *, const char *>> wrongs{
        {"--max-sessions", "0"},           {"--max-sessions", "viele"}, {"--max-sessions", "-3"},
        {"--idle-minutes", "0"},           {"--idle-minutes", "1,5"},   {"--allow-origin", "waffen.example.org"},
        {"--allow-origin", "https://a/b"}, {"--allow-origin", "*"}};
    for (const auto &[option, value] : wrongs) {
        const CommandLine line = read({option, value});
        EXPECT_EQ(line.exitStatus, 2) << option << " " << value;
        EXPECT_TRUE(line.error.startsWith("korvalde-web: ")) << line.error.toStdString();
    }
    EXPECT_TRUE(read({"--help"}).output.contains("--max-sessions ANZAHL"));
}

} // namespace
