#pragma once

#include <QByteArray>
#include <QString>

// The Western Windows code page, the program's one codec for it: the favourites file and the
// city lists are shared with programs that write them, older web pages and help topics are
// written in it without saying so.
// The five bytes that page leaves undefined map to the C1 controls of the same value, so
// every byte read comes back unchanged when written.
QString fromCp1252(const QByteArray &bytes);
QChar fromCp1252(unsigned char byte);
// Characters the page cannot hold become "?".
QByteArray toCp1252(const QString &text);
