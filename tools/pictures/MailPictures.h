#pragma once

#include "MusicGlyphs.h"

// The mail panel's pictures, 32 x 32: 1 a sealed envelope with a red count badge (new
// mail), 2 a plain grey open envelope (no mail).
QList<NamedPicture> mailPictures();
