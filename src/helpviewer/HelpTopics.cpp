#include "HelpTopics.h"

#include "common/RegularFile.h"

#include <QDir>
#include <QFile>

const QList<HelpNode> &HelpTopics::nodes()
{
    using S = QString;
    static const QList<HelpNode> table = {
        {S("ar"), S("Add/Remove"), S(), S()},
        {S("pf"), S("Program Features"), S(), S()},
        {S("m"), S("Menu Bar"), S(), S("\\menu.rtf")},
        {S("child1"), S("Install"), S("ar"), S("\\Install.rtf")},
        {S("child2"), S("Uninstall"), S("ar"), S("\\uninstall.rtf")},
        {S("child4"), S("Weather"), S("pf"), S()},
        {S("child5"), S("Getting the Weather"), S("child4"), S("\\Weather1.rtf")},
        {S("child6"), S("Weather Features"), S("child4"), S("\\Weather2.rtf")},
        {S("child7"), S("MP3"), S("pf"), S("\\mp3.rtf")},
        {S("child8"), S("WebCam"), S("pf"), S()},
        {S("child9"), S("Using WebCam"), S("child8"), S("\\webcam1.rtf")},
        {S("child10"), S("Working With A WebCam"), S("child8"), S("\\webcam2.rtf")},
        {S("child11"), S("Time Sync"), S("pf"), S("\\timesync.rtf")},
        {S("child12"), S("Clock"), S("pf"), S()},
        {S("child13"), S("Alarm Clock"), S("child12"), S("\\alarmclock.rtf")},
        {S("child14"), S("Talking Clock"), S("child12"), S("\\talkclock.rtf")},
        {S("child15"), S("Time Format"), S("child12"), S("\\timeformat.rtf")},
        {S("child16"), S("Reminders"), S("pf"), S()},
        {S("child17"), S("Events"), S("child16"), S("\\events1.rtf")},
        {S("child18"), S("Bills"), S("child16"), S("\\bills1.rtf")},
        {S("child19"), S("Reminder Notify"), S("child16"), S("\\notify.rtf")},
        {S("child20"), S("Calendar"), S("child16"), S("\\calendar.rtf")},
        {S("child21"), S("Add Reminders"), S("child16"), S("\\addreminder.rtf")},
        {S("child22"), S("Reminder Buttons"), S("child16"), S("\\reminderbuttons.rtf")},
        {S("child23"), S("Missed Days"), S("child16"), S("\\misseddays.rtf")},
        {S("child24"), S("Misc Features"), S("pf"), S("\\morefeatures.rtf")},
    };
    return table;
}

QString HelpTopics::fileFor(const QString &caption)
{
    for (const HelpNode &node : nodes()) {
        if (node.caption == caption)
            return node.file;
    }
    return {};
}

namespace {

QString findInFolder(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

} // namespace

QByteArray HelpTopics::readTopic(const QString &folder, const QString &file)
{
    QString name = file;
    while (name.startsWith(u'\\') || name.startsWith(u'/'))
        name.remove(0, 1);
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return {};
    const QString path = findInFolder(folder, name);
    if (path.isEmpty() || isNonRegularFile(path))
        return {};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.read(kLargestTopic);
}
