// The RTF reader on small hand-written documents: what a reader of the pane would see.
#include "helpviewer/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include <gtest/gtest.h>

namespace {

QString read(QTextDocument &document, const char *rtf)
{
    RtfReader::read(QByteArray(rtf), document);
    return document.toPlainText();
}

// The format of the character at the start of the first occurrence of text.
QTextCharFormat formatOf(QTextDocument &document, const QString &text)
{
    QTextCursor cursor = document.find(text);
    EXPECT_FALSE(cursor.isNull()) << text.toStdString();
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

const char *kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}"
                      "{\\f1\\fmodern Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}";

} // namespace

TEST(RtfReader, CharacterRunsFollowTheGroupsAndTables)
{
    QTextDocument doc;
    const QString text = read(doc,
                              (QByteArray(kHeader)
                               + "\\fs20 plain {\\b bold {\\i both}} after {\\ul\\strike "
                                 "marked\\ulnone  unmarked} {\\f1\\cf1\\fs36 coded}}")
                                  .constData());
    EXPECT_EQ(text, QStringLiteral("plain bold both after marked unmarked coded"));
    EXPECT_EQ(formatOf(doc, "plain").fontWeight(), QFont::Normal);
    EXPECT_EQ(formatOf(doc, "plain").fontPointSize(), 10.0);
    EXPECT_EQ(formatOf(doc, "plain").fontFamilies().toStringList(), QStringList{"Helvetica"});
    EXPECT_EQ(formatOf(doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatOf(doc, "bold").fontItalic());
    EXPECT_TRUE(formatOf(doc, "both").fontItalic());
    EXPECT_EQ(formatOf(doc, "both").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(doc, "after").fontWeight(), QFont::Normal);
    EXPECT_TRUE(formatOf(doc, "marked").fontUnderline());
    EXPECT_TRUE(formatOf(doc, "marked").fontStrikeOut());
    EXPECT_FALSE(formatOf(doc, "unmarked").fontUnderline());
    const QTextCharFormat coded = formatOf(doc, "coded");
    EXPECT_EQ(coded.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(coded.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(coded.fontPointSize(), 18.0);
}

TEST(RtfReader, CharactersFromCodePageUnicodeAndSymbols)
{
    QTextDocument doc;
    // \'e9 in Windows-1252, \'80 the euro sign there; \u with its one-byte fallback skipped,
    // \uc2 skipping a hex pair and a letter; line breaks in the source mean nothing. The raw
    // text keeps the line separator and the no-break space.
    read(doc,
         "{\\rtf1\\ansi\\ansicpg1252 Caf\\'e9 \\'80 \\u8364? "
         "{\\uc2\\u8364\\'80x}y\r\nsp\r\nlit\\tab t\\line l\\bullet  b\\~\\{\\}}");
    EXPECT_EQ(doc.toRawText(),
              QStringLiteral("Caf\u00e9 \u20ac \u20ac \u20acysplit\tt\u2028l\u2022 b\u00a0{}"));
}

TEST(RtfReader, ParagraphsKeepTheirProperties)
{
    QTextDocument doc;
    read(doc,
         "{\\rtf1 {\\pard\\qc\\li720\\fi-360\\sa180 centred\\par}"
         "{\\pard\\qr\\sb120 right\\par}{\\pard\\qj last\\par}}");
    ASSERT_EQ(doc.blockCount(), 3);
    const QTextBlockFormat centred = doc.findBlockByNumber(0).blockFormat();
    EXPECT_EQ(centred.alignment(), Qt::AlignHCenter);
    EXPECT_EQ(centred.leftMargin(), 48.0);
    EXPECT_EQ(centred.textIndent(), -24.0);
    EXPECT_EQ(centred.bottomMargin(), 12.0);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().topMargin(), 8.0);
    EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_EQ(doc.findBlockByNumber(2).text(), QStringLiteral("last"));
}

TEST(RtfReader, HyperlinkFieldBecomesAnAnchorOverItsResult)
{
    QTextDocument doc;
    EXPECT_EQ(read(doc,
                   "{\\rtf1 See {\\field{\\*\\fldinst{HYPERLINK \"https://example.org/a?b=1\"}}"
                   "{\\fldrslt{\\ul\nthe site\n}}} now. {\\field{\\*\\fldinst PAGE}"
                   "{\\fldrslt 7}}}"),
              QStringLiteral("See the site now. 7"));
    const QTextCharFormat link = formatOf(doc, "the site");
    EXPECT_TRUE(link.isAnchor());
    EXPECT_EQ(link.anchorHref(), QStringLiteral("https://example.org/a?b=1"));
    EXPECT_FALSE(formatOf(doc, "now").isAnchor());
    EXPECT_FALSE(formatOf(doc, "7").isAnchor());
}

TEST(RtfReader, TwoByTwoTableAsPandocWritesIt)
{
    QTextDocument doc;
    read(doc,
         "{\\rtf1 {\\pard before\\par}"
         "{\\trowd\\trgaph120\\cellx4320\\cellx8640\\trkeep\\intbl"
         "{{{\\pard\\intbl Key\\par}\\cell}{{\\pard\\intbl Action\\par}\\cell}}\\intbl\\row}"
         "{\\trowd\\cellx4320\\cellx8640\\intbl"
         "{{{\\pard\\intbl F1\\par}\\cell}{{\\pard\\intbl Help\\par}\\cell}}\\intbl\\row}"
         "{\\pard after\\par}}");
    QTextTable *table = nullptr;
    for (QTextFrame *frame : doc.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    const auto cellText = [&](int row, int column) {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor c = cell.firstCursorPosition();
        c.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
        return c.selectedText();
    };
    EXPECT_EQ(cellText(0, 0), QStringLiteral("Key"));
    EXPECT_EQ(cellText(0, 1), QStringLiteral("Action"));
    EXPECT_EQ(cellText(1, 0), QStringLiteral("F1"));
    EXPECT_EQ(cellText(1, 1), QStringLiteral("Help"));
    EXPECT_EQ(doc.firstBlock().text(), QStringLiteral("before"));
    EXPECT_EQ(doc.lastBlock().text(), QStringLiteral("after"));
}

TEST(RtfReader, DestinationsThatAreNotTextAreSkipped)
{
    QTextDocument doc;
    EXPECT_EQ(read(doc,
                   "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator Writer;}{\\info{\\title T}}"
                   "{\\*\\unknowndest {nested} secret}{\\stylesheet{\\s1 Heading;}}"
                   "shown{\\*\\bkmkstart x}{\\v hidden}{\\pict\\bin4 {}}}\\par} text}"),
              QStringLiteral("shown text"));
}

TEST(RtfReader, TextThatIsNotRtfIsShownAsItIsAndBinaryIsNot)
{
    QTextDocument doc;
    EXPECT_EQ(read(doc, "Plain words\r\nsecond line"), QStringLiteral("Plain words\nsecond line"));
    RtfReader::read(QByteArray("\x7f"
                               "ELF\x02\x01\x00\x00junk",
                               12),
                    doc);
    EXPECT_TRUE(doc.isEmpty());
}
