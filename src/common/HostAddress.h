#pragma once

#include <QString>

// A host as typed in a variable or a setting: trimmed, http when it names no scheme, without
// trailing slashes; the fallback when empty.
QString hostAddress(const QString &text, const QString &fallback);

// Where an online feature's host comes from, the first that is set: the environment `variable`
// (a person trying the program against a local fixture), the user's `setting`, the built-in
// host. Every host is resolved here, so each is overridden and cleaned up the same way.
QString resolveHost(const char *variable, const QString &setting, const QString &builtIn);
