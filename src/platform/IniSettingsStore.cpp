#include "platform/IniSettingsStore.h"

#include "common/OrvaneError.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A value survives a plain "key=value" line unless the reader would trim it, take it for a
// quoted string, or see a line break in it.
bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return false;
    return value.front().isSpace() || value.back().isSpace() || value.front() == u'"'
        || value.contains(u'\n') || value.contains(u'\r');
}

QString encodeValue(const QString &value)
{
    if (!needsQuotes(value))
        return value; // the file stays readable and editable by hand
    QString out;
    out.reserve(value.size() + 8);
    out += u'"';
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

// Undoes encodeValue(). Text that is not a well-formed quoted string was written by hand and
// means what it says.
QString decodeValue(const QString &text)
{
    if (text.size() < 2 || text.front() != u'"' || text.back() != u'"')
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            return text;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i == text.size() - 1)
            return text;
        switch (text[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'"':
            out += u'"';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            return text;
        }
    }
    return out;
}

// The settings hold the mail password: the file and its folder are the user's alone. Group
// and others lose their rights; the owner's stay as they are (a write-protected file stays
// so). Only what the user owns is changed, and never a shared folder such as /tmp (sticky).
void keepPrivate(const QByteArray &path)
{
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0 || info.st_uid != ::geteuid()
        || (info.st_mode & S_ISVTX) || (info.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return;
    ::chmod(path.constData(), info.st_mode & S_IRWXU);
}

} // namespace

IniSettingsStore::IniSettingsStore(QString path)
    : m_path(std::move(path))
    , m_nativePath(QFile::encodeName(m_path))
{
}

QString IniSettingsStore::defaultPath()
{
    const QString own = qEnvironmentVariable("ORVANE_SETTINGS_DIR");
    if (!own.isEmpty())
        return own + QLatin1String("/settings.ini");
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) // relative ones are to be ignored
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/Orvanenm/settings.ini");
}

QString IniSettingsStore::getSetting(const QString &section, const QString &key,
                                     const QString &defaultValue)
{
    refresh();
    if (!m_doc.contains(section, key))
        return defaultValue;
    return decodeValue(m_doc.value(section, key));
}

void IniSettingsStore::saveSetting(const QString &section, const QString &key, const QString &value)
{
    refresh(); // so the keys another process saved meanwhile are written back too
    const QString encoded = encodeValue(value);
    if (!m_unsaved && !m_unreadable && m_doc.contains(section, key)
        && m_doc.value(section, key) == encoded)
        return; // the file already says so

    m_doc.setValue(section, key, encoded);
    QString failure;
    if (m_unreadable)
        failure = QStringLiteral("the file there could not be read, so it is left as it is");
    else if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        failure = QStringLiteral("its folder could not be made");
    else if (!m_doc.save(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        failure = QStringLiteral("it could not be written");
    if (!failure.isEmpty()) {
        // Kept in memory, so the program goes on seeing what it saved.
        m_unsaved = true;
        qWarning("Settings: could not save [%s] %s to %s: %s", qUtf8Printable(section),
                 qUtf8Printable(key), qUtf8Printable(m_path), qUtf8Printable(failure));
        tellUnsaved(failure);
        return;
    }
    m_unsaved = false;
    keepPrivate(QFile::encodeName(QFileInfo(m_path).absolutePath()));
    m_loadedStamp = stamp();
}

void IniSettingsStore::tellUnsaved(const QString &reason)
{
    if (!m_prompter || m_toldUnsaved)
        return;
    // Told once: every later save fails the same way, and a box per change would bury the
    // window.
    m_toldUnsaved = true;
    m_prompter->tell(QStringLiteral("Could not save the settings to '%1': %2. Changes last "
                                    "only until the program closes (%3)")
                         .arg(m_path, reason)
                         .arg(OrvaneError::PathFileAccessError),
                     kApplicationTitle, Prompter::Icon::Warning);
}

std::optional<IniSettingsStore::FileStamp> IniSettingsStore::stamp() const
{
    // Plain stat(): it runs before every read, and QFileInfo's local-time QDateTimes cost
    // several times the system call itself while giving only milliseconds.
    struct stat info = {};
    if (::stat(m_nativePath.constData(), &info) != 0)
        return std::nullopt;
    const auto ns = [](const timespec &t) {
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    };
    return FileStamp{qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
                     ns(info.st_mtim), ns(info.st_ctim)};
}

void IniSettingsStore::refresh()
{
    // Stamped before reading: a change made while we read shows up as a change next time.
    const std::optional<FileStamp> now = stamp();
    if (m_loaded && m_loadedStamp == now)
        return;
    m_loaded = true;
    m_loadedStamp = now;
    m_unreadable = !m_doc.load(m_path);
    m_unsaved = false;
    if (now && !m_unreadable) {
        // A file an earlier version wrote readable by everyone is made private at once.
        keepPrivate(m_nativePath);
        m_loadedStamp = stamp();
    }
}
