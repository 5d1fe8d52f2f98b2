#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The topic tree of the help viewer, in the order it is built, and the files its captions open.
struct HelpNode
{
    QString key;
    QString caption;
    QString parent; // empty at the top level
    QString file;   // "\menu.rtf"; empty for a node that only groups others
};

namespace HelpTopics {

const QList<HelpNode> &nodes();

// The file a caption opens (compared exactly), or empty when it opens none.
QString fileFor(const QString &caption);

// The bytes of a topic file in the viewer's folder (at most kLargestTopic of them), or empty
// when it is not there, is not a regular file or cannot be read. The name is matched without regard
// to case when no file has exactly that name.
QByteArray readTopic(const QString &folder, const QString &file);

// What the pane shows for a node without a file.
inline const QString kSelectSubMenu = QStringLiteral("Select a Sub-Menu");

// Topics are a few kilobytes; of a larger file only this much is read, which bounds the time a
// hostile file can hold the window.
constexpr qint64 kLargestTopic = 1024 * 1024;

} // namespace HelpTopics
