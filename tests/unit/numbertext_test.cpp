#include "sheet/numbertext.h"

#include <QLocale>

#include <gtest/gtest.h>

using korvalde::formatNumber;
using korvalde::parseNumber;

TEST(NumberText, WritesTheShortestGermanText)
{
    EXPECT_EQ(formatNumber(3.0), "3");
    EXPECT_EQ(formatNumber(2.75), "2,75");
    EXPECT_EQ(formatNumber(-0.5), "-0,5");
    EXPECT_EQ(formatNumber(1400), "1400");
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0,3");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(1234567.25), "1234567,25");
}

TEST(NumberText, ReadsGermanNumbersOnly)
{
    EXPECT_EQ(parseNumber("1,5"), 1.5);
    EXPECT_EQ(parseNumber("04"), 4.0);
    EXPECT_EQ(parseNumber("-0,75"), -0.75);
    EXPECT_FALSE(parseNumber("-").has_value());
    EXPECT_FALSE(parseNumber(" - ").has_value());
    EXPECT_FALSE(parseNumber("16 Stufen").has_value());
    EXPECT_FALSE(parseNumber("").has_value());
    EXPECT_FALSE(parseNumber("1.5").has_value());
}

TEST(NumberText, RoundTripsWhateverTheMachineLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatNumber(0.25), "0,25");
    EXPECT_EQ(parseNumber("2,5"), 2.5);
    QLocale::setDefault(QLocale::c());
}
