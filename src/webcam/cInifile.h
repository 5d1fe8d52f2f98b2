#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class IniFile;

// A window's place as the profile keeps it, in twips.
struct FormPlacement
{
    int left = 0, top = 0, width = 0, height = 0;
    bool minimized = false, maximized = false;
};

// Section and key access to one INI file in the Western Windows code page with CR LF line
// ends, the way the platform's profile functions read and write it: names match without
// regard to case, reads give at most 254 characters, the name lists at most 8192. Every
// operation reads the file afresh; every change rewrites it atomically, and a file that is
// there but cannot be read is never rewritten (it would be replaced by a near-empty one).
class cInifile
{
public:
    static constexpr int kValueLimit = 254;
    static constexpr int kListLimit = 8192;

    const QString &Path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    const QString &Section() const { return m_section; }
    void setSection(const QString &section) { m_section = section; }
    const QString &Key() const { return m_key; }
    void setKey(const QString &key) { m_key = key; }
    const QString &Default() const { return m_default; }
    void setDefault(const QString &value) { m_default = value; }
    int LastReturnCode() const { return m_lastReturnCode; }
    bool Success() const { return m_lastReturnCode != 0; }

    QString VALUE() const;
    void setVALUE(const QString &value);
    void DeleteSection();
    void DeleteKey();

    // Names, each followed by a NUL character.
    QString Sections() const;
    QString INISection() const;
    // The non-empty names, in file order (the list counts from 0).
    void EnumerateAllSections(QStringList &sSections, int &iCount) const;
    void EnumerateCurrentSection(QStringList &sKey, int &iCount) const;

    static int CLngDefault(const QString &sString, int lDefault);

    // Writes "Maximised" and, in the normal state, "Left", "Top", "Width", "Height".
    void SaveFormPosition(const FormPlacement &frmThis);
    // The stored place kept on a screen of the given size (twips) with a 4-pixel margin;
    // nullopt when it would be smaller than the minimum. "maximized" is taken from the file.
    std::optional<FormPlacement> LoadFormPosition(const FormPlacement &frmThis, int lMinWidth,
                                                  int lMinHeight, int screenWidth,
                                                  int screenHeight);

private:
    static QString limitedList(const QStringList &names);
    static void splitList(const QString &list, QStringList &names, int &count);
    bool read(IniFile &doc) const;
    template<typename Change> void write(Change change);

    QString m_path, m_section, m_key, m_default;
    int m_lastReturnCode = 0;
};
