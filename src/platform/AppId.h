#pragma once

#include <QString>

// The application id in reverse-DNS form, taken from the home page. The build sets it once
// (ORVANE_APP_ID in the top CMakeLists.txt) for the desktop entry, the icons, the metainfo
// and the program, so the desktop can match the running window to its launcher.
namespace AppId {

#ifndef ORVANE_APP_ID
#error "ORVANE_APP_ID is set by the build"
#endif
inline const QString kId = QStringLiteral(ORVANE_APP_ID);

} // namespace AppId
