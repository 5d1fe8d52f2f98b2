#include "common/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteComesBackUnchangedAndForeignCharactersBecomeQuestionMarks)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
    // The five bytes the page leaves undefined read as the C1 controls of the same value.
    EXPECT_EQ(fromCp1252("\x80\x81\x8d\x8f\x90\x9d\x99"),
              QString::fromUtf8("\u20ac\u0081\u008d\u008f\u0090\u009d\u2122"));
    EXPECT_EQ(fromCp1252(static_cast<unsigned char>(0xe9)), QChar(0xe9));
    EXPECT_EQ(toCp1252(QString::fromUtf8("a\u4e2db\ufffd")), "a?b?");
}
