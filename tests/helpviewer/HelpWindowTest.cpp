// The help window as its user meets it: the tree, the start text, what each click shows, the
// resize rule and the links.
#include "helpviewer/HelpWindow.h"
#include "helpviewer/HelpTopics.h"
#include "support/AccessibleWalk.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class HelpWindowTest : public ::testing::Test
{
protected:
    HelpWindowTest()
        : window(folder.path(), [this](const QUrl &url) { opened.append(url); })
    {
    }

    // Every topic file, each saying its own name, so a click shows which file it opened.
    void writeEveryTopic()
    {
        for (const HelpNode &node : HelpTopics::nodes()) {
            if (!node.file.isEmpty())
                write(node.file.mid(1), "{\\rtf1\\ansi file " + node.file.mid(1).toUtf8() + "}");
        }
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile out(folder.filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QTreeWidget *tree() { return window.findChild<QTreeWidget *>(QStringLiteral("TreeView1")); }
    QTextEdit *pane() { return window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1")); }
    QString click(const QString &caption)
    {
        const auto found = tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << caption.toStdString();
        window.onTreeView1NodeClick(found.value(0));
        return pane()->toPlainText();
    }

    QTemporaryDir folder;
    QList<QUrl> opened;
    HelpWindow window;
};

QStringList captions(const QTreeWidgetItem *parent)
{
    QStringList out;
    for (int i = 0; i < parent->childCount(); ++i)
        out << parent->child(i)->text(0);
    return out;
}

} // namespace

TEST_F(HelpWindowTest, StartsWithTheCollapsedTreeAndTheStartText)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane HELP"));
    EXPECT_EQ(window.width(), 750); // 11250 twips
    const auto *label = window.findChild<QLabel *>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("HELP TOPICS"));

    const QTreeWidgetItem *root = tree()->invisibleRootItem();
    EXPECT_EQ(captions(root), (QStringList{"Add/Remove", "Program Features", "Menu Bar"}));
    EXPECT_EQ(captions(root->child(0)), (QStringList{"Install", "Uninstall"}));
    EXPECT_EQ(captions(root->child(1)),
              (QStringList{"Weather", "MP3", "WebCam", "Time Sync", "Clock", "Reminders",
                           "Misc Features"}));
    const QTreeWidgetItem *reminders = root->child(1)->child(5);
    EXPECT_EQ(captions(reminders),
              (QStringList{"Events", "Bills", "Reminder Notify", "Calendar", "Add Reminders",
                           "Reminder Buttons", "Missed Days"}));
    EXPECT_EQ(captions(root->child(1)->child(4)),
              (QStringList{"Alarm Clock", "Talking Clock", "Time Format"}));
    EXPECT_FALSE(root->child(1)->isExpanded());
    EXPECT_TRUE(tree()->rootIsDecorated());

    EXPECT_TRUE(pane()->isReadOnly());
    EXPECT_EQ(pane()->toPlainText(), QStringLiteral("Choose a topic in the left pane"));
    const QTextCharFormat format = pane()->document()->begin().begin().fragment().charFormat();
    EXPECT_EQ(format.fontPointSize(), 8.5);
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"MS Sans Serif"});
}

TEST_F(HelpWindowTest, NodesWithoutAFileAskForASubMenu)
{
    writeEveryTopic();
    for (const char *caption :
         {"Weather", "WebCam", "Clock", "Reminders", "Add/Remove", "Program Features"})
        EXPECT_EQ(click(caption), QStringLiteral("Select a Sub-Menu")) << caption;
}

TEST_F(HelpWindowTest, EachTopicOpensItsOwnFileByItsExactName)
{
    writeEveryTopic();
    EXPECT_EQ(click("Menu Bar"), QStringLiteral("file menu.rtf"));
    EXPECT_EQ(click("Install"), QStringLiteral("file Install.rtf"));
    EXPECT_EQ(click("Getting the Weather"), QStringLiteral("file Weather1.rtf"));
    EXPECT_EQ(click("Working With A WebCam"), QStringLiteral("file webcam2.rtf"));
    EXPECT_EQ(click("Missed Days"), QStringLiteral("file misseddays.rtf"));
    int opened = 0;
    for (const HelpNode &node : HelpTopics::nodes()) {
        if (!node.file.isEmpty()) {
            EXPECT_EQ(click(node.caption), "file " + node.file.mid(1));
            ++opened;
        }
    }
    EXPECT_EQ(opened, 20);
}

TEST_F(HelpWindowTest, AMissingOrUnreadableFileShowsAnEmptyPane)
{
    EXPECT_EQ(click("Menu Bar"), QString());
    click("Weather");
    EXPECT_EQ(click("Install"), QString());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("mp3.rtf")));
    EXPECT_EQ(click("MP3"), QString());
    write(QStringLiteral("Talkclock.RTF"), "{\\rtf1 any case}");
    EXPECT_EQ(click("Talking Clock"), QStringLiteral("any case"));
    write(QStringLiteral("timesync.rtf"), QByteArray("\x00\x01\x02garbage", 10));
    EXPECT_EQ(click("Time Sync"), QString());
}

TEST_F(HelpWindowTest, ResizingMovesNothingAndStopsSizesAtZero)
{
    window.show();
    window.resize(150, 40); // 2250 x 600 twips
    EXPECT_EQ(pane()->size(), QSize(0, 0));
    EXPECT_EQ(tree()->height(), 0);
    EXPECT_EQ(tree()->width(), 177);
    EXPECT_EQ(pane()->pos(), QPoint(189, 6));
    EXPECT_EQ(tree()->pos(), QPoint(5, 26));

    window.resize(900, 600);
    EXPECT_EQ(pane()->size(), QSize(700, 557));
    EXPECT_EQ(tree()->height(), 537);
}

TEST_F(HelpWindowTest, WebLinksOpenOutsideAndOtherAddressesDoNot)
{
    window.onRichTextBox1LinkClick(QUrl(QStringLiteral("https://example.org/help")));
    window.onRichTextBox1LinkClick(QUrl(QStringLiteral("mailto:someone@example.org")));
    window.onRichTextBox1LinkClick(QUrl(QStringLiteral("file:///bin/sh")));
    window.onRichTextBox1LinkClick(QUrl(QStringLiteral("menu.rtf")));
    EXPECT_EQ(opened,
              (QList<QUrl>{QUrl(QStringLiteral("https://example.org/help")),
                           QUrl(QStringLiteral("mailto:someone@example.org"))}));
}

TEST_F(HelpWindowTest, EveryControlIsNamedAndTheTopicIsADocument)
{
    window.show();
    const AccessibleWalk walk = AccessibleWalk::of(&window);
    std::printf("%s\n", qPrintable(walk.summary("help window")));
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
}

TEST_F(HelpWindowTest, ALinkOpensWithAClickOrWithEnterOnceSelected)
{
    window.show();
    pane()->setHtml("<p><a href='https://example.org/help'>help pages</a> and text</p>");
    const QPoint onLink
        = pane()->cursorRect(QTextCursor(pane()->document())).center() + QPoint(8, 0);
    QTest::mouseClick(pane()->viewport(), Qt::LeftButton, {}, onLink);
    ASSERT_EQ(opened.size(), 1);

    QTextCursor link(pane()->document());
    link.setPosition(3, QTextCursor::KeepAnchor);
    pane()->setTextCursor(link);
    QTest::keyClick(pane(), Qt::Key_Return);
    QTextCursor plain(pane()->document());
    plain.setPosition(14);
    plain.setPosition(18, QTextCursor::KeepAnchor);
    pane()->setTextCursor(plain);
    QTest::keyClick(pane(), Qt::Key_Return); // not on a link: nothing opens
    EXPECT_EQ(opened, QList<QUrl>(2, QUrl("https://example.org/help")));
}
