#pragma once

#include <QIcon>
#include <QPixmap>

// Pictures of the webcam window, drawn so they need no image files.
namespace WebcamIcons {

QIcon cam(); // a cam node; brighter while selected
QIcon add();
QIcon folder();
QIcon home();
QIcon webPages(); // the address list's "Webpages" group
QIcon webAddress();
QPixmap logo(int size);

} // namespace WebcamIcons
