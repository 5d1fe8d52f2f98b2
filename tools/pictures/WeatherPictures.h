#pragma once

#include "MusicGlyphs.h"

// The weather panel's pictures: 16 condition pictures of 45 x 45 in the order the reports
// number them (Cloudy, Fair, Fog, Haze, Light Rain, Light Snow, Drizzle, Mostly Cloudy,
// Overcast, Partly Cloudy, Rain Thunder, Rain, Scattered Clouds, Snow, Sunny, Unknown) ...
QList<NamedPicture> conditionPictures();
// ... 31 moon pictures of 48 x 48, new moon to full (16) and back to new (31) ...
QList<NamedPicture> moonPictures();
// ... and the notice shown while a report is collected, 238 x 58.
QList<NamedPicture> collectingPictures();
