// The topic files staged beside the help program: one for every node that names a file, under
// exactly that name, each a real document of its own.
#include "helpviewer/HelpTopics.h"
#include "helpviewer/RtfReader.h"
#include "support/StagedPaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

#include <gtest/gtest.h>

TEST(ShippedTopics, EveryTopicIsThereUnderItsExactNameAndReadsAsADocument)
{
    const QDir help(stagedAppDir() + QStringLiteral("/Help"));
    const QStringList present = help.entryList(QDir::Files);
    QSet<QString> texts;
    int topics = 0;
    for (const HelpNode &node : HelpTopics::nodes()) {
        if (node.file.isEmpty())
            continue;
        ++topics;
        const QString name = node.file.mid(1);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(present.contains(name)) << "no file with exactly this name";
        const QByteArray bytes = HelpTopics::readTopic(help.path(), node.file);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.startsWith("{\\rtf1"));
        QTextDocument document;
        RtfReader::read(bytes, document);
        const QString text = document.toPlainText();
        EXPECT_GE(text.split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts).size(),
                  40);
        EXPECT_FALSE(text.contains(u'\\') || text.contains(u'{')) << "RTF shows through";
        texts.insert(text);
    }
    EXPECT_EQ(topics, 20);
    EXPECT_EQ(texts.size(), 20) << "two topics with the same text";
}
