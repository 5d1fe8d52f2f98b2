#pragma once

#include <QByteArray>
#include <QString>

// The Western Windows code page: the favourites file is shared with programs that write it, and
// older web pages are written in it without saying so.
// The five bytes that page leaves undefined map to the C1 controls of the same value, so
// every byte read comes back unchanged when written.
QString fromCp1252(const QByteArray &bytes);
// Characters the page cannot hold become "?".
QByteArray toCp1252(const QString &text);
