#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One cut of a value out of a page by text markers, the page counted from position 1:
// the value starts `skip` characters after the first `marker` at or after `start` and runs
// up to the next `end`. A missing marker is no failure (the value then starts at position
// `skip` of the page); a missing end, or one before the start, is.
struct CutRule
{
    int start;
    QString marker;
    int skip;
    QString end;
};

// The value, or nullopt when the cut would have a negative length.
std::optional<QStringView> markerCut(QStringView page, const CutRule &rule);

// First position (1-based) of `what` at or after `from`, 0 when absent or when `from` lies
// beyond the end.
qsizetype findFrom(QStringView page, qsizetype from, QStringView what);
