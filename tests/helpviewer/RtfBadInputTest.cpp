// The RTF reader on damaged and hostile documents: it returns, with what could be read.
#include "helpviewer/RtfReader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QString read(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return document.toPlainText();
}

} // namespace

TEST(RtfBadInput, DeepNestingKeepsTheTextAroundIt)
{
    const QByteArray deep = QByteArray("{\\rtf1 before ") + QByteArray(200000, '{') + "lost"
        + QByteArray(200000, '}') + " after}";
    EXPECT_EQ(read(deep), QStringLiteral("before  after"));
    // Up to the bound the text is kept.
    const int depth = RtfReader::kMaxDepth - 1;
    EXPECT_EQ(read(QByteArray("{\\rtf1 ") + QByteArray(depth - 1, '{') + "kept"
                   + QByteArray(depth - 1, '}') + "}"),
              QStringLiteral("kept"));
    // Never closed: everything up to the end.
    EXPECT_EQ(read(QByteArray("{\\rtf1 a") + QByteArray(500, '{') + "b"), QStringLiteral("ab"));
}

TEST(RtfBadInput, TruncatedAndUnbalancedDocumentsShowWhatWasRead)
{
    EXPECT_EQ(read("{\\rtf1 one {\\b two"), QStringLiteral("one two"));
    EXPECT_EQ(read("{\\rtf1 three\\'4"), QStringLiteral("three"));
    EXPECT_EQ(read("{\\rtf1 th\\'4zree}"), QStringLiteral("thzree"));
    EXPECT_EQ(read("{\\rtf1 four\\"), QStringLiteral("four"));
    EXPECT_EQ(read("{\\rtf1 five\\b"), QStringLiteral("five"));
    EXPECT_EQ(read("{\\rtf1 six}} seven}}"), QStringLiteral("six"));
    EXPECT_EQ(read("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x"), QString());
    EXPECT_EQ(read("{\\rtf1 \\'zz\\'\\'\\'g ok}"), QStringLiteral("zzg ok"));
    EXPECT_TRUE(read("{\\rtf1\\intbl\\cell\\row\\cell x\\cell}").contains(u'x'));
}

TEST(RtfBadInput, BinaryRunsAndHugeParametersStayInBounds)
{
    EXPECT_EQ(read("{\\rtf1 a\\bin999999999 bc"), QStringLiteral("a"));
    EXPECT_EQ(read("{\\rtf1 a{\\bin-5 b}c}"), QStringLiteral("abc"));
    EXPECT_EQ(read("{\\rtf1 \\fs99999999999999999999 \\li-99999999999 \\fi2147483647 \\sa-1 "
                   "\\tx99999999999\\cf2147483647\\f-2147483648 \\cellx2147483647 "
                   "\\uc2147483647 \\u99999999999 big}"),
              QStringLiteral("\ufffd"));
    EXPECT_EQ(read("{\\rtf1 \\u-4064?\\u55357?\\u56832?\\u-3?}"),
              QStringLiteral("\uf020\U0001F600\ufffd"));
    EXPECT_EQ(read("{\\rtf1 \\" + QByteArray(100000, 'z') + "9 x}"), QStringLiteral("x"));
    EXPECT_EQ(read("{\\rtf1 \\fs" + QByteArray(100000, '9') + " y}"), QStringLiteral("y"));
}

TEST(RtfBadInput, ManyCellsAndRowsAreBounded)
{
    QByteArray rtf("{\\rtf1\\trowd");
    for (int i = 0; i < 300; ++i)
        rtf += "\\cellx100";
    rtf += "\\intbl ";
    for (int row = 0; row < 3000; ++row)
        rtf += "\\intbl a\\cell b\\cell\\row";
    rtf += "\\pard end}";
    const QString text = read(rtf);
    EXPECT_TRUE(text.endsWith(QStringLiteral("end")));
    EXPECT_EQ(text.count(u'a'), 3000);
    EXPECT_EQ(text.count(u'b'), 3000);
}

TEST(RtfBadInput, RandomBytesAfterTheHeaderNeverStopTheReader)
{
    QRandomGenerator random(20261209);
    static const char alphabet[] = "{}\\\\\\'0123456789abfiu-*; \r\n\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf("{\\rtf1 ");
        const int length = random.bounded(1, 400);
        for (int i = 0; i < length; ++i)
            rtf += alphabet[random.bounded(int(sizeof(alphabet) - 1))];
        read(rtf);
    }
    SUCCEED();
}

// Each piece of text once laid its whole paragraph out again: 100,000 runs took minutes.
TEST(RtfBadInput, ManyRunsInOneParagraphAndManyParagraphsReadInLinearTime)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray runs("{\\rtf1 ");
    for (int i = 0; i < 100000; ++i)
        runs += "{\\b x}y";
    EXPECT_EQ(read(runs + "}").size(), 200000);
    QByteArray paragraphs("{\\rtf1 ");
    for (int i = 0; i < 50000; ++i)
        paragraphs += "p\\par ";
    EXPECT_EQ(read(paragraphs + "}").count(u'\n'), 49999);
    EXPECT_LT(clock.elapsed(), 30000);
}
