#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// An INI document held in memory. Every line we do not change is written back byte for byte
// (comments, blank lines, lines we do not understand, its own line end), so a hand-edited file
// survives our saves. Section and key names compare without regard to case.
class IniFile
{
public:
    // A missing file is an empty document (true); a file we cannot read leaves the document
    // empty and returns false.
    bool load(const QString &path);
    // Never fails: whatever is not a header or an entry is kept as an unknown line.
    bool parse(const QByteArray &data);
    QByteArray serialize() const;
    // Atomic: the old file stays intact unless the new one is complete. Creates no folders.
    // `permissions`, when given, are the new file's from its first byte.
    bool save(const QString &path, QFileDevice::Permissions permissions = {}) const;

    // The line end of the document, taken from the first line of the file ("\n" when it has
    // none). Changing it changes every line that used it, and the lines we add.
    const QByteArray &lineEnding() const { return m_lineEnding; }
    void setLineEnding(const QByteArray &ending) { m_lineEnding = ending; }

    // Entries before the first header belong to the nameless section "".
    QString value(const QString &section, const QString &key, const QString &def = {}) const;
    bool contains(const QString &section, const QString &key) const;
    // Line breaks in the value become spaces: one entry is always one line.
    void setValue(const QString &section, const QString &key, const QString &value);
    bool removeKey(const QString &section, const QString &key);
    bool removeSection(const QString &section);
    QStringList sections() const { return m_sectionNames; }
    QStringList keys(const QString &section) const;

private:
    enum class Kind { Other, Header, BadHeader, Entry };
    struct Line
    {
        Kind kind = Kind::Other;
        QByteArray raw;    // the line as read, without its line end
        QByteArray eol;    // its own line end when it differs from the document's
        QString name;      // section name or key, trimmed
        QString folded;    // name, case-folded for lookups
        QString value;     // entry value, trimmed
        QString prefix;    // entry text up to its value ("  key = "), kept when the value changes
        bool open = false; // the file's last line had no line end: keep it so while it is last
    };

    // Section ids: an index into m_sectionNames, or one of these.
    static constexpr int Nameless = -1;
    static constexpr int Unreachable = -2; // lines under a malformed header
    static constexpr int Absent = -3;

    static Line parseLine(const QByteArray &raw);
    static Line makeLine(const QString &text) { return parseLine(text.toUtf8()); }
    static QString fold(const QString &name) { return name.trimmed().toCaseFolded(); }
    static QString entryKey(const QString &foldedSection, const QString &foldedKey)
    {
        return foldedSection + u'\n' + foldedKey;
    }
    static bool isBlank(const Line &line)
    {
        return line.kind == Kind::Other && line.raw.trimmed().isEmpty();
    }
    int sectionId(const QString &section) const;
    std::vector<int> linesOf(const QString &section,
                             const std::function<bool(const Line &)> &wanted) const;
    int insertionPoint(int id) const;
    void removeLines(const std::vector<int> &ascending);
    void rebuildIndex();

    std::vector<Line> m_lines;
    QByteArray m_lineEnding = "\n";
    bool m_bom = false;
    QHash<QString, int> m_entries;     // folded section + '\n' + folded key -> first entry line
    QHash<QString, int> m_sectionIds;  // folded section -> id
    QStringList m_sectionNames;        // by id: first spelling, file order
    std::vector<int> m_sectionHeaders; // by id: first header line
    std::vector<int> m_lineSection;    // by line: section id
};
