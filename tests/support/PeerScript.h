#pragma once

#include "support/StagedPaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

// Another program, through a Python script of the tests that uses the Debian library under
// test (vobject, icalendar, totem-pl-parser): its standard output; a failing run fails the test.
inline QByteArray runPeer(const char *script, const QStringList &arguments)
{
    QProcess python;
    python.start("/usr/bin/python3", QStringList{sourceDir() + "/tests/" + script} + arguments);
    python.waitForFinished(30000);
    EXPECT_EQ(python.exitCode(), 0)
        << script << ": " << python.readAllStandardError().toStdString();
    return python.readAllStandardOutput();
}

// The script's output as one JSON object a line.
inline QList<QJsonObject> peerObjects(const char *script, const QStringList &arguments)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : runPeer(script, arguments).split('\n'))
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    return objects;
}
