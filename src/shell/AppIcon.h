#pragma once

#include <QIcon>

// The program's icon (an alarm clock), drawn rather than loaded so it needs no image plugin.
QIcon orvaneIcon();
