#pragma once

#include <QString>
#include <QStringList>

// Opening addresses and documents, and starting programs. Programs are started directly,
// never through a command interpreter, so no text from a file or a user is ever run as a
// command line. Results are ignored by the callers, as opening an address always was.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void openAddress(const QString &address) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};
