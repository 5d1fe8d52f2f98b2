#include "common/DateText.h"
#include "common/TextValues.h"
#include "common/Twips.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <climits>

TEST(DateText, WritesAndReadsTheFixedShape)
{
    EXPECT_EQ(DateText::toText(QDate(2002, 6, 5)), "06/05/2002");
    EXPECT_EQ(DateText::toText(QDate(987, 12, 31)), "12/31/0987");
    EXPECT_EQ(DateText::toText(QDate()), "");
    EXPECT_EQ(DateText::fromText("06/05/2002"), QDate(2002, 6, 5));
    EXPECT_EQ(DateText::fromText("02/29/2024"), QDate(2024, 2, 29));
    for (const QDate &date : {QDate(2000, 1, 1), QDate(2026, 12, 9), QDate(1999, 2, 28)})
        EXPECT_EQ(DateText::fromText(DateText::toText(date)), date);
}

TEST(DateText, RejectsEverythingElse)
{
    for (const char *text :
         {"6/5/2002", "", "13/40/2002", "02/29/2023", "00/10/2002", "06-05-2002", "06/05/02",
          " 06/05/2002", "06/05/2002 ", "0a/05/2002", "06/05/+002", "2002/06/05", "06/05/20021"})
        EXPECT_FALSE(DateText::fromText(QString::fromLatin1(text)).isValid()) << text;
    // Digits of other scripts are digits to QChar, but not in our files.
    EXPECT_FALSE(DateText::fromText(QString::fromUtf8("٠٦/05/2002")).isValid());
}

TEST(DateText, TakesTheDayBetweenTheSlashes)
{
    EXPECT_EQ(DateText::dayText("06/05/2002"), "05");
    EXPECT_EQ(DateText::dayText("6/5/2002"), "5");
    EXPECT_EQ(DateText::dayText("06/05"), "");
    EXPECT_EQ(DateText::dayText(""), "");
}

TEST(DateText, CaptionIsEnglishWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DateText::dateCaption(QDate(2026, 12, 9)), "Wednesday, Dec 9 2026");
    EXPECT_EQ(DateText::dateCaption(QDate(2002, 6, 30)), "Sunday, Jun 30 2002");
    EXPECT_EQ(DateText::dateCaption(QDate(2024, 1, 1)), "Monday, Jan 1 2024");
    EXPECT_EQ(DateText::dateCaption(QDate()), "");
    QLocale::setDefault(previous);
}

TEST(Twips, RoundToTheNearestPixelOnBothSidesOfZero)
{
    static_assert(twips(1500) == 100 && toTwips(100) == 1500); // usable in constant layouts
    EXPECT_EQ(twips(7), 0);
    EXPECT_EQ(twips(8), 1);
    EXPECT_EQ(twips(22), 1);
    EXPECT_EQ(twips(23), 2);
    EXPECT_EQ(twips(-7), 0);
    EXPECT_EQ(twips(-8), -1);
    EXPECT_EQ(twips(-23), -2);
    EXPECT_EQ(twips(INT_MAX), 143165576);  // 143165576.47, without overflowing on the way
    EXPECT_EQ(twips(INT_MIN), -143165577); // -143165576.53
    for (int px : {0, 1, 37, -5})
        EXPECT_EQ(twips(toTwips(px)), px);
}

TEST(TextValues, ReadFlagsAsOlderVersionsWroteThem)
{
    EXPECT_EQ(textToBool("True"), true);
    EXPECT_EQ(textToBool(" false "), false);
    EXPECT_EQ(textToBool("TRUE"), true);
    EXPECT_EQ(textToBool("-1"), true);
    EXPECT_EQ(textToBool(" 2 "), true);
    EXPECT_EQ(textToBool("0"), false);
    EXPECT_EQ(textToBool("-000"), false);
    EXPECT_EQ(textToBool("99999999999999999999"), true); // past int, still not zero
    for (const char *text : {"", "yes", "1.0", "Truee", "- 1", "+", "0x1"})
        EXPECT_EQ(textToBool(QString::fromLatin1(text)), std::nullopt) << text;
    EXPECT_EQ(boolToText(true), "True");
    EXPECT_EQ(boolToText(false), "False");
}

TEST(TextValues, ReadWholeNumbersWithinIntRange)
{
    EXPECT_EQ(textToInt("42"), 42);
    EXPECT_EQ(textToInt(" -17 "), -17);
    EXPECT_EQ(textToInt("+5"), 5);
    EXPECT_EQ(textToInt("007"), 7);
    EXPECT_EQ(textToInt("2147483647"), INT_MAX);
    EXPECT_EQ(textToInt("-2147483648"), INT_MIN);
    for (const char *text : {"2147483648", "-2147483649", "99999999999999999999999", "", " ",
                             "1 000", "1,000", "12a", "3.5", "--1", "1e3"})
        EXPECT_EQ(textToInt(QString::fromLatin1(text)), std::nullopt) << text;
}
