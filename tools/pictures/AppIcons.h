#pragma once

#include <QString>

// The program's icon in the sizes the desktop's icon theme asks for, as
// FOLDER/hicolor/<n>x<n>/apps/orvane.png and FOLDER/hicolor/scalable/apps/orvane.svg;
// the install renames them after the application id.
bool writeAppIcons(const QString &folder);
