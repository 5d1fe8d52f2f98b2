#include "webcam/CamList.h"

#include "webcam/cInifile.h"

#include <QSet>

#include <algorithm>

namespace CamList {

QList<Node> readNodes(cInifile &favorites)
{
    QStringList titles;
    int count = 0;
    favorites.EnumerateAllSections(titles, count);
    QList<Node> nodes;
    QSet<QString> keys;
    favorites.setKey(QStringLiteral("Address"));
    favorites.setDefault(QString());
    for (const QString &title : titles) {
        favorites.setSection(title);
        const QString key = kNodePrefix + favorites.VALUE();
        if (keys.contains(key))
            continue;
        keys.insert(key);
        nodes.append({key, title.trimmed()});
    }
    return nodes;
}

bool validRate(const QString &text)
{
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int rate = text.toInt();
    return rate >= 1 && rate <= 3600;
}

Applied apply(cInifile &favorites, const Edit &edit, const std::function<bool()> &askReplace)
{
    if (!validRate(edit.rateText))
        return Applied::BadRate;
    if (edit.address.size() > cInifile::kValueLimit)
        return Applied::AddressTooLong;
    const QString rate = edit.rateTicked ? edit.rateText : QStringLiteral("x");
    const bool renamed = edit.modifyMode && edit.title != edit.oldTitle;
    if (renamed) {
        favorites.setSection(edit.title);
        favorites.setKey(QStringLiteral("Address"));
        favorites.setDefault(QStringLiteral("OK"));
        if (favorites.VALUE() != QLatin1String("OK") && !askReplace())
            return Applied::Declined;
        favorites.setSection(edit.oldTitle);
        favorites.DeleteSection();
    }
    favorites.setSection(edit.title);
    favorites.setKey(QStringLiteral("Address"));
    favorites.setVALUE(edit.address);
    favorites.setKey(QStringLiteral("UpdateInterval"));
    favorites.setVALUE(rate);
    return Applied::Written;
}

int refreshSeconds(const QString &rate, bool forceNull60Sec)
{
    if (rate.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0)
        return forceNull60Sec ? 60 : 0;
    bool ok = false;
    const int seconds = rate.toInt(&ok);
    const bool digits = !rate.isEmpty()
        && std::all_of(rate.begin(), rate.end(), [](QChar c) { return c.isDigit(); });
    return ok && digits && seconds >= 1 ? seconds : 60;
}

} // namespace CamList
