#include "reminders/ICalendar.h"

#include "common/DateText.h"

#include <libical/ical.h>

#include <QCryptographicHash>
#include <QStringDecoder>
#include <QTimeZone>

#include <memory>

namespace ICalendar {

namespace {

// The longest texts the events table's boxes take.
constexpr qsizetype kTitleLimit = 30;
constexpr qsizetype kMessageLimit = 100;
// A rule that never reaches today within this many occurrences is taken as ended.
constexpr int kMostOccurrences = 100000;

struct Free
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, Free>;

icaltimetype dayOf(const QDate &date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

QDate dateOf(const icaltimetype &t)
{
    return QDate(t.year, t.month, t.day);
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// A stable UID: a second export of the same reminder gives the same one.
QByteArray uid(const char *kind, const QString &name, const QString &date)
{
    const QByteArray hash
        = QCryptographicHash::hash(utf8(name + u'\x1f' + date), QCryptographicHash::Sha1).toHex();
    return QByteArray(kind) + '-' + hash.left(20) + "@orvane";
}

icalcomponent *alarm(const QString &text, int daysFromStart)
{
    icalcomponent *valarm = icalcomponent_new_valarm();
    icalcomponent_add_property(valarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(valarm, icalproperty_new_description(utf8(text).constData()));
    icaltriggertype trigger = icaltriggertype_from_int(daysFromStart * 86400);
    icalcomponent_add_property(valarm, icalproperty_new_trigger(trigger));
    return valarm;
}

icalcomponent *vevent(const QByteArray &id, const icaltimetype &stamp, const QDate &start,
                      const QString &summary, const QString &description, const QString &category)
{
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(id.constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(dayOf(start)));
    icalcomponent_add_property(event, icalproperty_new_summary(utf8(summary).constData()));
    if (!description.isEmpty())
        icalcomponent_add_property(event,
                                   icalproperty_new_description(utf8(description).constData()));
    if (!category.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_categories(utf8(category).constData()));
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

QString text(const char *value)
{
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

// The day the start falls on where the user is.
QDate localDate(icaltimetype start)
{
    if (start.is_date || (!start.zone && !icaltime_is_utc(start)))
        return dateOf(start); // all-day, or floating: the same day everywhere
    const time_t seconds = icaltime_as_timet_with_zone(
        start, start.zone ? start.zone : icaltimezone_get_utc_timezone());
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), QTimeZone::systemTimeZone()).date();
}

// The first occurrence on or after `today`; the start itself when the event has no rule.
std::optional<icaltimetype> nextOccurrence(icalcomponent *event, icaltimetype start,
                                           const QDate &today, bool *recurring)
{
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    *recurring = rule != nullptr;
    if (!rule)
        return start;
    icalrecur_iterator *it = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
    if (!it)
        return std::nullopt;
    std::optional<icaltimetype> found;
    for (int i = 0; i < kMostOccurrences; ++i) {
        const icaltimetype next = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(next))
            break;
        if (localDate(next) >= today) {
            found = next;
            break;
        }
    }
    icalrecur_iterator_free(it);
    return found;
}

// The notify date: the first alarm's trigger, as days from the start or a moment of its own.
QDate notifyDate(icalcomponent *event, const QDate &date)
{
    icalcomponent *valarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
    icalproperty *trigger
        = valarm ? icalcomponent_get_first_property(valarm, ICAL_TRIGGER_PROPERTY) : nullptr;
    if (!trigger)
        return date;
    const icaltriggertype t = icalproperty_get_trigger(trigger);
    if (!icaltime_is_null_time(t.time))
        return localDate(t.time);
    const int seconds = icaldurationtype_as_int(t.duration);
    // Any part of a day before the start is that whole day before it.
    const int days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return date.addDays(days);
}

} // namespace

QByteArray serialize(const QList<Event> &events, const QList<Bill> &bills, const QDateTime &stamp)
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Orvane//Reminders//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype made = icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0,
                                                            icaltimezone_get_utc_timezone());
    for (const Event &e : events) {
        const QDate date = DateText::fromText(e.date);
        if (!date.isValid())
            continue;
        icalcomponent *event
            = vevent(uid("event", e.title, e.date), made, date, e.title, e.message, e.type);
        const QDate notify = DateText::fromText(e.notifyDate);
        if (notify.isValid())
            icalcomponent_add_component(event, alarm(e.title, int(date.daysTo(notify))));
        icalcomponent_add_component(calendar.get(), event);
    }
    for (const Bill &b : bills) {
        const QDate due = DateText::fromText(b.dueDate);
        if (!due.isValid())
            continue;
        icalcomponent *event = vevent(
            uid("bill", b.payee, b.dueDate), made, due, b.payee,
            QStringLiteral("Amount: %1\nPayee: %2").arg(b.amount, b.payee), QStringLiteral("Bill"));
        int notifyDays = 0;
        if (b.monthly) {
            icalrecurrencetype rule = icalrecurrencetype_from_string(
                QStringLiteral("FREQ=MONTHLY;BYMONTHDAY=%1").arg(due.day()).toLatin1().constData());
            icalcomponent_add_property(event, icalproperty_new_rrule(rule));
            bool ok = false;
            const int day = b.notify.toInt(&ok);
            notifyDays = ok && day >= 1 && day <= due.day() ? day - due.day() : 0;
        } else if (const QDate notify = DateText::fromText(b.notify); notify.isValid()) {
            notifyDays = int(due.daysTo(notify));
        }
        icalcomponent_add_component(event, alarm(b.payee, notifyDays));
        icalcomponent_add_component(calendar.get(), event);
    }
    char *written = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray out(written);
    free(written);
    return out;
}

std::optional<Read> parse(const QByteArray &content, const QDate &today, QString *error)
{
    if (!content.contains("BEGIN:VCALENDAR") && !content.contains("BEGIN:VEVENT")) {
        *error = QStringLiteral("The file holds no calendar (no BEGIN:VCALENDAR line).");
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8(content);
    if (utf8.hasError() || content.contains('\0')) {
        *error = QStringLiteral("The file is not UTF-8 text, as iCalendar files are.");
        return std::nullopt;
    }
    const QByteArray terminated = content + '\0';
    Component root(icalparser_parse_string(terminated.constData()));
    if (!root) {
        *error = QStringLiteral("The file is not an iCalendar file this program reads.");
        return std::nullopt;
    }
    Read read;
    // The events may sit in a calendar, or stand alone when the file holds one event.
    icalcomponent *calendar = root.get();
    const bool single = icalcomponent_isa(calendar) == ICAL_VEVENT_COMPONENT;
    for (icalcomponent *event
         = single ? calendar : icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event
         = single ? nullptr : icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const QString summary = text(icalcomponent_get_summary(event));
        const QString who
            = summary.isEmpty() ? QStringLiteral("an event without a title") : summary;
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
            read.skipped.append(who + QStringLiteral(": it has no start date"));
            continue;
        }
        bool recurring = false;
        const std::optional<icaltimetype> when = nextOccurrence(event, start, today, &recurring);
        if (!when) {
            read.skipped.append(who + QStringLiteral(": it no longer recurs"));
            continue;
        }
        Event e;
        const QDate first = localDate(start);
        const QDate date = localDate(*when);
        e.date = DateText::toText(date);
        e.notifyDate = DateText::toText(notifyDate(event, first).addDays(first.daysTo(date)));
        e.title = who.left(kTitleLimit);
        QString message = text(icalcomponent_get_description(event));
        if (message.isEmpty())
            message = who;
        e.message = message.left(kMessageLimit);
        icalproperty *category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
        e.type = category ? text(icalproperty_get_categories(category)).section(u',', 0, 0)
                          : QString();
        if (e.type.isEmpty())
            e.type = QStringLiteral("Appointment");
        if (recurring)
            read.notes.append(
                QStringLiteral("%1 recurs: taken at its next date, %2").arg(e.title, e.date));
        if (who.size() > kTitleLimit || message.size() > kMessageLimit)
            read.notes.append(QStringLiteral("%1: a text was cut to fit").arg(e.title));
        read.events.append(e);
    }
    return read;
}

} // namespace ICalendar
