#pragma once

#include <QChar>

// One byte of Windows-1252 text as a character. The bytes 0x80 to 0x9F that the code page leaves
// unassigned become U+FFFD; the rest of the upper half is the same as Latin-1.
QChar cp1252ToChar(unsigned char byte);
