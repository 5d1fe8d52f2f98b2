#include "common/MarkerCut.h"

qsizetype findFrom(QStringView page, qsizetype from, QStringView what)
{
    if (from < 1)
        from = 1;
    if (from > page.size())
        return 0;
    const qsizetype at = page.indexOf(what, from - 1);
    return at < 0 ? 0 : at + 1;
}

std::optional<QStringView> markerCut(QStringView page, const CutRule &rule)
{
    const qsizetype marker = findFrom(page, rule.start, rule.marker);
    const qsizetype first = marker + rule.skip;
    const qsizetype end = findFrom(page, first, rule.end);
    if (end - first < 0)
        return std::nullopt;
    return page.mid(first - 1, end - first);
}
