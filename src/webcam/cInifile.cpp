#include "webcam/cInifile.h"

#include "common/Cp1252.h"
#include "common/IniFile.h"
#include "common/RegularFile.h"
#include "common/TextValues.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMargin = 4 * 15; // 4 pixels

int clampToScreen(int &start, int &size, int screen)
{
    start = std::max(start, kMargin);
    if (start + size > screen - kMargin) {
        start = std::max(screen - kMargin - size, kMargin);
        if (start + size > screen - kMargin)
            size = screen - start - kMargin;
    }
    return start;
}

} // namespace

bool cInifile::read(IniFile &doc) const
{
    doc.parse(QByteArray());
    doc.setLineEnding("\r\n"); // a new file, or one without line ends, takes the platform's
    if (m_path.isEmpty() || isNonRegularFile(m_path))
        return false;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return !QFileInfo::exists(m_path);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    doc.parse(fromCp1252(data).toUtf8());
    if (!data.contains('\n') && !data.contains('\r'))
        doc.setLineEnding("\r\n");
    return true;
}

template<typename Change> void cInifile::write(Change change)
{
    m_lastReturnCode = 0;
    IniFile doc;
    if (!read(doc))
        return;
    if (!change(doc)) {
        m_lastReturnCode = 1; // nothing to change: nothing written
        return;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(toCp1252(QString::fromUtf8(doc.serialize())));
    m_lastReturnCode = file.commit() ? 1 : 0;
}

QString cInifile::VALUE() const
{
    IniFile doc;
    read(doc);
    return doc.value(m_section, m_key, m_default).left(kValueLimit);
}

void cInifile::setVALUE(const QString &value)
{
    QString text = value;
    text.remove(QChar(0));
    write([&](IniFile &doc) {
        doc.setValue(m_section, m_key, text);
        return true;
    });
}

void cInifile::DeleteSection()
{
    write([&](IniFile &doc) { return doc.removeSection(m_section); });
}

void cInifile::DeleteKey()
{
    write([&](IniFile &doc) { return doc.removeKey(m_section, m_key); });
}

QString cInifile::limitedList(const QStringList &names)
{
    QString list;
    for (const QString &name : names)
        list += name + QChar(0);
    // Like a full buffer of the profile functions: the last name cut, still terminated.
    if (list.size() > kListLimit)
        list = list.left(kListLimit - 1) + QChar(0);
    return list;
}

void cInifile::splitList(const QString &list, QStringList &names, int &count)
{
    names.clear();
    for (const QString &name : list.split(QChar(0))) {
        if (!name.isEmpty())
            names << name;
    }
    count = int(names.size());
}

QString cInifile::Sections() const
{
    IniFile doc;
    read(doc);
    return limitedList(doc.sections());
}

QString cInifile::INISection() const
{
    IniFile doc;
    read(doc);
    return limitedList(doc.keys(m_section));
}

void cInifile::EnumerateAllSections(QStringList &sSections, int &iCount) const
{
    splitList(Sections(), sSections, iCount);
}

void cInifile::EnumerateCurrentSection(QStringList &sKey, int &iCount) const
{
    splitList(INISection(), sKey, iCount);
}

int cInifile::CLngDefault(const QString &sString, int lDefault)
{
    if (const auto whole = textToInt(sString))
        return *whole;
    bool ok = false;
    const double number = sString.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return lDefault;
    const double rounded = std::nearbyint(number); // to even, as the conversion rounds
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return lDefault;
    return int(rounded);
}

void cInifile::SaveFormPosition(const FormPlacement &frmThis)
{
    const QString key = m_key;
    if (!frmThis.minimized) {
        bool ok = true;
        auto put = [&](const char *name, int value) {
            m_key = QLatin1String(name);
            setVALUE(QString::number(value));
            ok = ok && Success();
        };
        put("Maximised", frmThis.maximized ? 1 : 0);
        if (!frmThis.maximized) {
            put("Left", frmThis.left);
            put("Top", frmThis.top);
            put("Width", frmThis.width);
            put("Height", frmThis.height);
        }
        if (!ok)
            m_lastReturnCode = 0;
    }
    m_key = key;
}

std::optional<FormPlacement> cInifile::LoadFormPosition(const FormPlacement &frmThis, int lMinWidth,
                                                        int lMinHeight, int screenWidth,
                                                        int screenHeight)
{
    const QString key = m_key, def = m_default;
    m_default = QStringLiteral("FAIL");
    auto get = [&](const char *name, int current) {
        m_key = QLatin1String(name);
        return CLngDefault(VALUE(), current);
    };
    FormPlacement place = frmThis;
    place.left = get("Left", frmThis.left);
    place.top = get("Top", frmThis.top);
    place.width = std::max(get("Width", frmThis.width), lMinWidth);
    place.height = std::max(get("Height", frmThis.height), lMinHeight);
    clampToScreen(place.left, place.width, screenWidth);
    clampToScreen(place.top, place.height, screenHeight);
    place.maximized = get("Maximised", 0) != 0;
    m_key = key;
    m_default = def;
    if (place.width < lMinWidth || place.height < lMinHeight)
        return std::nullopt;
    return place;
}
