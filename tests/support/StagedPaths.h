#pragma once

#include <QString>

// The application folder this build staged: the program, the plugin, the data and the empty
// databases the tests copy.
QString stagedAppDir();
// The top of the source tree: the shipped data and the test media.
QString sourceDir();
