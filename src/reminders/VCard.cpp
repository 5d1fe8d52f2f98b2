#include "reminders/VCard.h"

#include "common/DateText.h"

#include <QMultiMap>
#include <QRegularExpression>
#include <QStringDecoder>

namespace VCard {

namespace {

enum Field {
    First,
    Last,
    HomePhone,
    Address1,
    Address2,
    City,
    State,
    Country,
    Zip,
    WorkPhone,
    WorkExt,
    Fax,
    Email,
    Website,
    Business,
    Birthday,
    Anniversary,
    Comments,
    FieldCount
};

struct Property
{
    QString name;                       // upper case, without its group
    QMultiMap<QString, QString> params; // upper-case keys; TYPE values lower case
    QString value;                      // decoded, still escaped
    bool hasType(const char *type) const
    {
        return params.values(QStringLiteral("TYPE")).contains(QLatin1String(type));
    }
};

// Splits on separators that are not escaped (none for a plain text), then undoes the escapes.
QStringList components(const QString &value, std::optional<QChar> separator)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.last() += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else if (c == separator) {
            parts.append(QString());
        } else {
            parts.last() += c;
        }
    }
    return parts;
}

// A text value; line ends of any kind become one newline, as the comments box keeps them.
QString text(const QString &value)
{
    QString unescaped = components(value, std::nullopt).join(QString());
    return unescaped.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

QByteArray quotedPrintable(const QString &value)
{
    QByteArray bytes;
    const QByteArray raw = value.toLatin1();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '=' && i + 2 < raw.size()) {
            bool ok = false;
            const int byte = raw.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                bytes += char(byte);
                i += 2;
                continue;
            }
        }
        bytes += raw[i];
    }
    return bytes;
}

QString decodeBytes(const QByteArray &bytes, const QString &charset)
{
    if (!charset.isEmpty() && charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0) {
        QStringDecoder other(charset.toLatin1().constData());
        if (other.isValid())
            return other(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

std::optional<Property> property(const QString &line)
{
    // The name part ends at the first colon outside double quotes.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted)
            colon = i;
    }
    if (colon <= 0)
        return std::nullopt;
    Property p;
    const QStringList head = line.left(colon).split(u';');
    p.name = head.first().section(u'.', -1).trimmed().toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype equals = head[i].indexOf(u'=');
        // Version 2.1 writes a bare type: "TEL;HOME;VOICE:".
        const QString key = equals < 0 ? QStringLiteral("TYPE") : head[i].left(equals).toUpper();
        const QString values = equals < 0 ? head[i] : head[i].mid(equals + 1);
        for (QString v : values.split(u',')) {
            v.remove(u'"');
            p.params.insert(key.trimmed(),
                            key == QLatin1String("TYPE") ? v.trimmed().toLower() : v.trimmed());
        }
    }
    p.value = line.mid(colon + 1);
    if (p.params.value(QStringLiteral("ENCODING"))
            .compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive)
        == 0)
        p.value = decodeBytes(quotedPrintable(p.value), p.params.value(QStringLiteral("CHARSET")));
    return p;
}

QString dateText(const QString &value)
{
    static const QRegularExpression date(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})"));
    const QRegularExpressionMatch m = date.match(value.trimmed());
    if (!m.hasMatch())
        return value.trimmed();
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return d.isValid() ? DateText::toText(d) : value.trimmed();
}

// A phone as people write it, from a text or a tel: value.
QString phoneText(QString phone)
{
    if (phone.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        phone = phone.mid(4).replace(QLatin1String(";ext="), QLatin1String(" ext. "));
    return phone.trimmed();
}

// A work phone with its extension apart ("555 1234 ext. 12" gives "555 1234" and "12").
std::pair<QString, QString> phoneAndExtension(const QString &phone)
{
    static const QRegularExpression ext(QStringLiteral("\\s*(?:ext\\.?|x)\\s*(\\d+)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = ext.match(phone);
    if (!m.hasMatch())
        return {phone.trimmed(), {}};
    return {phone.left(m.capturedStart()).trimmed(), m.captured(1)};
}

class CardReader
{
public:
    void add(const Property &p) { m_properties.append(p); }
    bool empty() const { return m_properties.isEmpty(); }
    // The contact, or why it cannot be one.
    std::optional<Contact> contact(QString *why);

private:
    void set(int field, const QString &value, const char *label);

    QList<Property> m_properties;
    Contact m_contact;
    QStringList m_extra; // what has no field of its own or did not fit, for the comments
};

void CardReader::set(int field, const QString &value, const char *label)
{
    const QString v = value.trimmed();
    if (v.isEmpty())
        return;
    const int limit = addressFields()[field].limit;
    if (!m_contact[field].isEmpty()) {
        m_extra.append(QStringLiteral("%1: %2").arg(QLatin1String(label), v));
        return;
    }
    m_contact[field] = v.left(limit).trimmed();
    if (v.size() > limit)
        m_extra.append(QStringLiteral("%1: %2").arg(QLatin1String(label), v));
}

std::optional<Contact> CardReader::contact(QString *why)
{
    m_contact = Contact(FieldCount);
    QString fullName, note;
    for (const Property &p : std::as_const(m_properties)) {
        if (p.name == QLatin1String("N")) {
            const QStringList n = components(p.value, u';');
            set(Last, n.value(0), "Last name");
            set(First, QStringList{n.value(1), n.value(2)}.join(u' ').simplified(), "First name");
        } else if (p.name == QLatin1String("FN")) {
            fullName = text(p.value).simplified();
        } else if (p.name == QLatin1String("TEL")) {
            const QString phone = phoneText(text(p.value));
            if (p.hasType("fax")) {
                set(Fax, phone, "Fax");
            } else if (p.hasType("work")) {
                const auto [number, extension] = phoneAndExtension(phone);
                set(WorkPhone, number, "Business phone");
                set(WorkExt, extension, "Extension");
            } else {
                set(HomePhone, phone, p.hasType("cell") ? "Mobile phone" : "Phone");
            }
        } else if (p.name == QLatin1String("ADR")) {
            const QStringList a = components(p.value, u';');
            QStringList street = a.value(2).split(u'\n');
            set(Address1, street.takeFirst(), "Address");
            street.prepend(a.value(1));
            set(Address2, street.join(u' ').simplified(), "Address 2");
            set(City, a.value(3), "City");
            set(State, a.value(4), "State");
            set(Zip, a.value(5), "Zip");
            set(Country, a.value(6), "Country");
        } else if (p.name == QLatin1String("EMAIL")) {
            set(Email, text(p.value), "E-mail");
        } else if (p.name == QLatin1String("URL")) {
            set(Website, text(p.value), "Web site");
        } else if (p.name == QLatin1String("ORG")) {
            set(Business, components(p.value, u';').value(0), "Business");
        } else if (p.name == QLatin1String("BDAY")) {
            set(Birthday, dateText(text(p.value)), "Birthday");
        } else if (p.name == QLatin1String("ANNIVERSARY")
                   || p.name == QLatin1String("X-ANNIVERSARY")
                   || p.name == QLatin1String("X-MS-ANNIVERSARY")) {
            set(Anniversary, dateText(text(p.value)), "Anniversary");
        } else if (p.name == QLatin1String("NOTE")) {
            note = text(p.value).trimmed();
        }
    }
    // A card without a family name is filed under its full name, as phones show it.
    if (m_contact[Last].isEmpty() && !fullName.isEmpty()) {
        m_contact[First].clear();
        set(Last, fullName, "Name");
    }
    if (m_contact[Last].isEmpty()) {
        *why = QStringLiteral("it has no name");
        return std::nullopt;
    }
    QStringList comments;
    if (!note.isEmpty())
        comments.append(note);
    comments += m_extra;
    const QString all = comments.join(u'\n');
    if (all.size() > addressFields()[Comments].limit) {
        *why = QStringLiteral("it holds more than the address book's fields and comments take");
        return std::nullopt;
    }
    m_contact[Comments] = all;
    return m_contact;
}

// Text with the vCard escapes; `structured` values also escape the separator.
QString escaped(QString value)
{
    return value.replace(u'\\', QLatin1String("\\\\"))
        .replace(u',', QLatin1String("\\,"))
        .replace(u';', QLatin1String("\\;"))
        .replace(u'\n', QLatin1String("\\n"))
        .remove(u'\r');
}

// A content line folded at 75 octets, never inside a UTF-8 sequence.
QByteArray folded(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype start = 0, width = 75;
    while (bytes.size() - start > width) {
        qsizetype cut = start + width;
        while (cut > start && (uchar(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        width = 74; // the blank that begins a continued line counts
    }
    return out + bytes.mid(start) + "\r\n";
}

} // namespace

std::optional<Cards> parse(const QByteArray &content, QString *error)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString all = utf8(content);
    if (utf8.hasError()) {
        *error = QStringLiteral("The file is not UTF-8 text, so it is not a vCard file this "
                                "program reads.");
        return std::nullopt;
    }
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static const QRegularExpression fold(QStringLiteral("\n[ \t]"));
    all.replace(fold, QString());
    Cards cards;
    std::optional<CardReader> card;
    int number = 0;
    const QStringList lines = all.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        // Version 2.1 continues a quoted-printable value with "=" at the end of the line.
        if (line.left(line.indexOf(u':'))
                .contains(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive))
            while (line.endsWith(u'=') && i + 1 < lines.size())
                line = line.chopped(1) + lines[++i];
        const QString upper = line.trimmed().toUpper();
        if (upper == QLatin1String("BEGIN:VCARD")) {
            card.emplace();
            ++number;
        } else if (upper == QLatin1String("END:VCARD") && card) {
            QString why;
            if (std::optional<Contact> contact = card->contact(&why))
                cards.contacts.append(*contact);
            else
                cards.skipped.append(QStringLiteral("card %1: %2").arg(number).arg(why));
            card.reset();
        } else if (card) {
            if (std::optional<Property> p = property(line))
                card->add(*p);
        }
    }
    if (number == 0) {
        *error = QStringLiteral("The file holds no vCard (no BEGIN:VCARD line).");
        return std::nullopt;
    }
    return cards;
}

QByteArray serialize(const QList<Contact> &contacts)
{
    QByteArray out;
    for (const Contact &c : contacts) {
        auto line = [&out](const QString &name, const QString &value) {
            if (!value.isEmpty())
                out += folded(name + u':' + value);
        };
        auto has = [&c](int field) {
            return !c.value(field).isEmpty();
        };
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        out += folded(QStringLiteral("FN:")
                      + escaped(QStringList{c.value(First), c.value(Last)}.join(u' ').trimmed()));
        out += folded(
            QStringLiteral("N:%1;%2;;;").arg(escaped(c.value(Last)), escaped(c.value(First))));
        line(QStringLiteral("TEL;TYPE=home,voice"), escaped(c.value(HomePhone)));
        if (has(WorkPhone) || has(WorkExt))
            line(QStringLiteral("TEL;TYPE=work,voice"),
                 escaped(
                     c.value(WorkPhone)
                     + (has(WorkExt) ? QStringLiteral(" ext. ") + c.value(WorkExt) : QString())));
        line(QStringLiteral("TEL;TYPE=work,fax"), escaped(c.value(Fax)));
        if (has(Address1) || has(Address2) || has(City) || has(State) || has(Zip) || has(Country))
            line(QStringLiteral("ADR;TYPE=home"),
                 QStringLiteral(";%1;%2;%3;%4;%5;%6")
                     .arg(escaped(c.value(Address2)), escaped(c.value(Address1)),
                          escaped(c.value(City)), escaped(c.value(State)), escaped(c.value(Zip)),
                          escaped(c.value(Country))));
        line(QStringLiteral("EMAIL"), escaped(c.value(Email)));
        line(QStringLiteral("URL"), escaped(c.value(Website)));
        line(QStringLiteral("ORG"), escaped(c.value(Business)));
        for (const auto &[field, name] :
             {std::pair{Birthday, "BDAY"}, std::pair{Anniversary, "ANNIVERSARY"}}) {
            if (!has(field))
                continue;
            const QDate date = DateText::fromText(c.value(field));
            // A date that is not one is written as text, which vCard 4.0 allows.
            if (date.isValid())
                line(QLatin1String(name), date.toString(QStringLiteral("yyyyMMdd")));
            else
                line(QLatin1String(name) + QStringLiteral(";VALUE=text"), escaped(c.value(field)));
        }
        line(QStringLiteral("NOTE"), escaped(c.value(Comments)));
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace VCard
