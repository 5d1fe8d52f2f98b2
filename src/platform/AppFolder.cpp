#include "platform/AppFolder.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// The entry of folder called name, whatever its case; nullopt when there is none. Several
// spellings of one name (possible here, not on the original platform) resolve to the first in
// plain sorted order, so the choice does not change from run to run.
std::optional<QString> findEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::optional<QString> best;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (!best || entry < *best))
            best = entry;
    }
    return best;
}

} // namespace

AppFolder::AppFolder(QString root)
    : m_root(std::move(root))
{
}

AppFolder AppFolder::fromEnvironment(const QString &programFolder)
{
    const QString own = qEnvironmentVariable("ORVANE_APP_DIR");
    return AppFolder(own.isEmpty() ? programFolder : own);
}

QString AppFolder::path(const QString &relative) const
{
    const QStringList parts
        = QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    QString result = m_root;
    bool searching = true; // once a part is missing, nothing below it can be found
    for (const QString &part : parts) {
        // ".." is dropped: a name the system reads from a file must not lead out of the folder.
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            continue;
        const std::optional<QString> entry = searching ? findEntry(result, part) : std::nullopt;
        searching = entry.has_value();
        if (!result.endsWith(u'/'))
            result += u'/';
        result += entry.value_or(part);
    }
    return result;
}
