#pragma once

// A benchmark's own application folder: the staged data copied, the programs left behind.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &info :
         QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            copyTree(info.filePath(), to + u'/' + info.fileName());
        else if (!info.isExecutable())
            QFile::copy(info.filePath(), to + u'/' + info.fileName());
    }
}
