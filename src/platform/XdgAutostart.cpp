#include "platform/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QLatin1StringView kEntryName("orvane.desktop");
const QLatin1StringView kGroup("[Desktop Entry]");

// Inside double quotes the launcher's own unquoting takes a backslash before these.
QString quoteArgument(const QString &argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

// The file's string values are unescaped before the Exec line is split, so backslashes are
// doubled once more and control characters get their escapes; '%' would start a field code.
QString escapeStringValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() * 2);
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        case '%':
            escaped += QLatin1String("%%");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// GIO reads the program of an Exec line before expanding its field codes, and systemd's
// autostart generator refuses escapes it does not know: both stop at these.
bool launchersRefuse(const QString &path)
{
    return path.contains(QLatin1Char('%')) || path.contains(QLatin1Char('\\'));
}

// A shell script that runs exactly this program, its path taken as bytes in single quotes.
QByteArray launcherScript(const QString &program)
{
    QByteArray quoted = QFile::encodeName(program);
    quoted.replace('\'', "'\\''");
    return "#!/bin/sh\n# Starts Orvane with the session; its own path upsets some launchers.\n"
           "exec '"
        + quoted + "' \"$@\"\n";
}

} // namespace

XdgAutostart::XdgAutostart(QString autostartFolder, QString executablePath, QString launcherFolder)
    : m_folder(std::move(autostartFolder))
    , m_executable(std::move(executablePath))
    , m_launcherFolder(std::move(launcherFolder))
{
}

QString XdgAutostart::defaultFolder()
{
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/autostart");
}

QString XdgAutostart::defaultLauncherFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QLatin1String("/.local/share");
    return data + QLatin1String("/Orvanenm");
}

QString XdgAutostart::execValue(const QString &executablePath)
{
    return escapeStringValue(quoteArgument(executablePath));
}

QString XdgAutostart::entryPath() const
{
    return m_folder + QLatin1Char('/') + kEntryName;
}

QString XdgAutostart::launcherPath() const
{
    return m_launcherFolder + QLatin1String("/orvane-autostart");
}

QString XdgAutostart::entryProgram() const
{
    const QString launcher = launcherPath();
    if (!launchersRefuse(m_executable) || launchersRefuse(launcher))
        return m_executable;
    if (!QDir().mkpath(m_launcherFolder))
        return m_executable;
    QSaveFile file(launcher);
    if (!file.open(QIODevice::WriteOnly))
        return m_executable;
    file.write(launcherScript(m_executable));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return file.commit() ? launcher : m_executable;
}

void XdgAutostart::addToStartup()
{
    if (!QDir().mkpath(m_folder))
        return;
    writeEntry(false);
}

void XdgAutostart::removeFromStartup()
{
    // No folder means no entry to park; creating one just to hide it would be clutter.
    if (!QFileInfo(m_folder).isDir())
        return;
    writeEntry(true);
}

Autostart::State XdgAutostart::state() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return State::Absent;

    bool inGroup = false;
    bool hidden = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == kGroup;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed() == QLatin1String("Hidden"))
            hidden
                = line.mid(equals + 1).trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive)
                == 0;
    }
    return hidden ? State::Parked : State::Active;
}

void XdgAutostart::writeEntry(bool parked) const
{
    QString text = kGroup + QLatin1Char('\n');
    text += QLatin1String("Type=Application\n"
                          "Name=Orvane\n"
                          "Comment=Reminders, clock, music and more\n");
    text += QLatin1String("Exec=") + execValue(entryProgram()) + QLatin1Char('\n');
    text += QLatin1String("Terminal=false\n");
    if (parked)
        text += QLatin1String("Hidden=true\n");

    // Without the right to write, the entry simply stays as it was.
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(text.toUtf8());
    file.commit();
}
