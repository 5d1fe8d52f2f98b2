#pragma once

#include <QString>

class QLabel;

// What a screen reader hears of a label that shows a value (a time, a reading, a count): its
// caption and the value shown now, together ("Humidity 45%"). The label's own accessible name
// stays empty, so Qt tells the reader each time the text changes.
void readAsValue(QLabel *label, const QString &caption);

// A copy drawn behind a label for its shadow: readers skip it, so the value is heard once.
void readAsShadow(QLabel *shadow);

// The text a label shows, without markup.
QString shownText(const QLabel *label);
