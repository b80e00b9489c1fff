#include "pages/completion/windows1252.h"

#include <gtest/gtest.h>

namespace korvalde {
namespace {

TEST(Windows1252, GermanLettersAndTheEuroSignAreOneByteEach)
{
    EXPECT_EQ(toWindows1252(QStringLiteral("Rückstoß Äö €5")), QByteArray("R\xFC"
                                                                          "cksto\xDF \xC4\xF6 \x80"
                                                                          "5"));
    EXPECT_EQ(toWindows1252(QString()), QByteArray());
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    // Cyrillic (2 bytes in UTF-8), a CJK sign (3), an emoji (4) and one of the five
    // codes Windows-1252 leaves undefined: each is one "?", and the rest goes on intact.
    EXPECT_EQ(toWindows1252(QStringLiteral("Ж-火-\U0001F600-\u0081-ü")), QByteArray("?-?-?-?-\xFC"));
    EXPECT_EQ(toWindows1252(QStringLiteral("\U0001F600\U0001F600")), QByteArray("??"));
}

} // namespace
} // namespace korvalde
