#pragma once

#include "platform/Shell.h"

// Addresses and documents go to the desktop's handler; programs are started directly.
class QtShell final : public Shell
{
public:
    void openAddress(const QString &address) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};
