#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The exchanges a script can run without a window: "--export-contacts FILE",
// "--import-contacts FILE", "--export-reminders FILE" and "--import-reminders FILE". They work on
// the program's databases and end; while the program runs they refuse, as it holds the databases.
// Messages go to standard error.
namespace CommandLine {

// The exit status of the exchange `arguments` (without the program's name) ask for: 0 only
// when it was done. nullopt when they ask for none, and the program starts as usual.
std::optional<int> runExchange(const QStringList &arguments, const QString &programFolder);

} // namespace CommandLine
