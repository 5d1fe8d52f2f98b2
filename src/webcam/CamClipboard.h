#pragma once

class QPixmap;

namespace CamClipboard {

// Puts the picture on the clipboard as an image; an empty picture leaves the clipboard as it is.
void copyImage(const QPixmap &picture);

} // namespace CamClipboard
