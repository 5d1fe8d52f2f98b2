#pragma once

#include <QString>

// True when something other than a regular file stands at the path (links followed): a FIFO,
// a socket, a device or a folder. Opening one to read can wait for a writer that never comes
// or never reach an end, so such a file counts as unreadable and is never opened. False when
// nothing is there: a missing file is each caller's own case.
bool isNonRegularFile(const QString &path);
