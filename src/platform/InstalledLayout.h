#pragma once

#include <QString>

// The layout "cmake --install" makes: the program and its data in <prefix>/lib/orvane/, the
// launcher that starts it in <prefix>/bin/orvane. A staged build folder has no launcher.
namespace InstalledLayout {

// The launcher that starts the program in this folder, or empty when it does not run
// installed.
QString launcherFor(const QString &programFolder);

} // namespace InstalledLayout
