#include "common/IniFile.h"

#include "common/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <functional>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Decided line by line: a file that older programs wrote in Latin-1 and we then added UTF-8
// lines to still reads back right.
QString decodeLine(const QByteArray &raw)
{
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(raw);
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless
                            | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

bool isCommentStart(const QString &trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

bool IniFile::load(const QString &path)
{
    if (isNonRegularFile(path)) {
        parse(QByteArray());
        return false;
    }
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray data = opened ? file.readAll() : QByteArray();
    const bool read = opened && file.error() == QFileDevice::NoError;
    parse(read ? data : QByteArray());
    return opened ? read : !QFileInfo::exists(path);
}

bool IniFile::parse(const QByteArray &data)
{
    m_lines.clear();
    m_lineEnding = "\n";
    m_bom = data.startsWith(Utf8Bom);

    const qsizetype size = data.size();
    qsizetype pos = m_bom ? Utf8Bom.size() : 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        Line line = parseLine(data.mid(pos, end - pos));
        if (end == size) {
            line.open = true;
            m_lines.push_back(std::move(line));
            break;
        }
        const qsizetype eolSize
            = (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
        const QByteArray eol = data.mid(end, eolSize);
        if (m_lines.empty())
            m_lineEnding = eol; // the first line end sets the style
        if (eol != m_lineEnding)
            line.eol = eol;
        m_lines.push_back(std::move(line));
        pos = end + eolSize;
    }
    rebuildIndex();
    return true;
}

QByteArray IniFile::serialize() const
{
    QByteArray out;
    if (m_bom)
        out += Utf8Bom;
    const size_t count = m_lines.size();
    for (size_t i = 0; i < count; ++i) {
        const Line &line = m_lines[i];
        out += line.raw;
        if (i + 1 == count && line.open)
            break;
        out += line.eol.isEmpty() ? m_lineEnding : line.eol;
    }
    return out;
}

bool IniFile::save(const QString &path, QFileDevice::Permissions permissions) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (permissions && !file.setPermissions(permissions))
        return false;
    file.write(serialize()); // a failed write makes commit() discard the temporary file
    return file.commit();
}

QString IniFile::value(const QString &section, const QString &key, const QString &def) const
{
    const auto it = m_entries.constFind(entryKey(fold(section), fold(key)));
    return it == m_entries.cend() ? def : m_lines[*it].value;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return m_entries.contains(entryKey(fold(section), fold(key)));
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = oneLine(section).trimmed();
    const QString keyName = oneLine(key).trimmed();
    if (keyName.isEmpty())
        return; // "=value" would read back as an unknown line
    const QString text = oneLine(value);

    const auto it = m_entries.constFind(entryKey(fold(sectionName), fold(keyName)));
    if (it != m_entries.cend()) {
        Line &line = m_lines[*it];
        line.raw = (line.prefix + text).toUtf8();
        line.value = text.trimmed();
        return; // same line, same place: the index still holds
    }

    Line entry = makeLine(keyName + u'=' + text);
    const int id = sectionId(sectionName);
    if (id != Absent) {
        m_lines.insert(m_lines.begin() + insertionPoint(id), std::move(entry));
    } else {
        if (!m_lines.empty() && !isBlank(m_lines.back()))
            m_lines.push_back(makeLine({}));
        m_lines.push_back(makeLine(u'[' + sectionName + u']'));
        m_lines.push_back(std::move(entry));
    }
    rebuildIndex();
}

bool IniFile::removeKey(const QString &section, const QString &key)
{
    const QString folded = fold(key);
    const std::vector<int> doomed = linesOf(section, [&](const Line &line) {
        return line.kind == Kind::Entry && line.folded == folded;
    });
    removeLines(doomed);
    return !doomed.empty();
}

bool IniFile::removeSection(const QString &section)
{
    const int id = sectionId(section);
    // The nameless section has no header; the comments above the first header describe the
    // file, so only its entries go.
    const std::vector<int> doomed = linesOf(
        section, [&](const Line &line) { return id != Nameless || line.kind == Kind::Entry; });
    const bool reachedEnd = !doomed.empty() && doomed.back() == int(m_lines.size()) - 1;
    removeLines(doomed);
    if (reachedEnd && id != Nameless) {
        // The blank lines that separated it from the section before go with it.
        int first = int(m_lines.size());
        while (first > 0 && isBlank(m_lines[first - 1]))
            --first;
        m_lines.erase(m_lines.begin() + first, m_lines.end());
        rebuildIndex();
    }
    return id >= 0 || !doomed.empty();
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList result;
    QSet<QString> seen;
    for (int i : linesOf(section, [](const Line &line) { return line.kind == Kind::Entry; })) {
        if (!seen.contains(m_lines[i].folded)) {
            seen.insert(m_lines[i].folded);
            result << m_lines[i].name;
        }
    }
    return result;
}

std::vector<int> IniFile::linesOf(const QString &section,
                                  const std::function<bool(const Line &)> &wanted) const
{
    std::vector<int> result;
    const int id = sectionId(section);
    for (int i = 0; id != Absent && i < int(m_lines.size()); ++i) {
        if (m_lineSection[i] == id && wanted(m_lines[i]))
            result.push_back(i);
    }
    return result;
}

IniFile::Line IniFile::parseLine(const QByteArray &raw)
{
    Line line;
    line.raw = raw;
    const QString text = decodeLine(raw);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || isCommentStart(trimmed))
        return line;

    if (trimmed.startsWith(u'[')) {
        // "[name]", optionally followed by a comment; anything else is a broken header.
        const qsizetype close = trimmed.endsWith(u']') ? trimmed.size() - 1 : trimmed.indexOf(u']');
        const QString rest = close > 0 ? trimmed.mid(close + 1).trimmed() : QString();
        const QString name = close > 0 ? trimmed.mid(1, close - 1).trimmed() : QString();
        const bool good = !name.isEmpty() && (rest.isEmpty() || isCommentStart(rest));
        line.kind = good ? Kind::Header : Kind::BadHeader;
        line.name = name;
        line.folded = fold(name);
        return line;
    }

    const qsizetype eq = text.indexOf(u'=');
    const QString key = eq > 0 ? text.left(eq).trimmed() : QString();
    if (key.isEmpty())
        return line;
    qsizetype valueStart = eq + 1;
    while (valueStart < text.size() && text[valueStart].isSpace())
        ++valueStart;
    line.kind = Kind::Entry;
    line.name = key;
    line.folded = fold(key);
    line.value = text.mid(valueStart).trimmed();
    line.prefix = text.left(valueStart);
    return line;
}

int IniFile::sectionId(const QString &section) const
{
    const QString folded = fold(section);
    if (folded.isEmpty())
        return Nameless;
    return m_sectionIds.value(folded, Absent);
}

int IniFile::insertionPoint(int id) const
{
    // After the section's last entry, so its trailing blank lines keep separating it.
    for (int i = int(m_lines.size()) - 1; i >= 0; --i) {
        if (m_lineSection[i] == id && m_lines[i].kind == Kind::Entry)
            return i + 1;
    }
    return id == Nameless ? 0 : m_sectionHeaders[id] + 1;
}

void IniFile::removeLines(const std::vector<int> &ascending)
{
    if (ascending.empty())
        return;
    for (auto it = ascending.rbegin(); it != ascending.rend(); ++it)
        m_lines.erase(m_lines.begin() + *it);
    rebuildIndex();
}

void IniFile::rebuildIndex()
{
    m_entries.clear();
    m_sectionIds.clear();
    m_sectionNames.clear();
    m_sectionHeaders.clear();
    m_lineSection.assign(m_lines.size(), Nameless);

    int current = Nameless;
    QString currentFolded;
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Header) {
            currentFolded = line.folded;
            const auto found = m_sectionIds.constFind(line.folded);
            if (found != m_sectionIds.cend()) {
                current = *found; // a repeated header continues the same section
            } else {
                current = int(m_sectionNames.size());
                m_sectionIds.insert(line.folded, current);
                m_sectionNames << line.name;
                m_sectionHeaders.push_back(i);
            }
        } else if (line.kind == Kind::BadHeader) {
            current = Unreachable;
        }
        m_lineSection[i] = current;
        if (line.kind == Kind::Entry && current != Unreachable) {
            const QString key = entryKey(currentFolded, line.folded);
            if (!m_entries.contains(key))
                m_entries.insert(key, i); // the first of duplicated keys wins
        }
    }
}
