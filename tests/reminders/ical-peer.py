#!/usr/bin/env python3
# Another program's calendars: Python's icalendar writes a calendar (all-day, timed in a time
# zone, in UTC, recurring, with alarms and folded lines), or reads one and prints each event
# as JSON, one per line.
#   ical-peer.py write FILE
#   ical-peer.py read FILE
import datetime
import json
import sys

import icalendar


NEW_YORK = """BEGIN:VTIMEZONE
TZID:America/New_York
BEGIN:STANDARD
DTSTART:20071104T020000
RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU
TZOFFSETFROM:-0400
TZOFFSETTO:-0500
TZNAME:EST
END:STANDARD
BEGIN:DAYLIGHT
DTSTART:20070311T020000
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU
TZOFFSETFROM:-0500
TZOFFSETTO:-0400
TZNAME:EDT
END:DAYLIGHT
END:VTIMEZONE
"""


def write(path):
    cal = icalendar.Calendar()
    cal.add('prodid', '-//peer//EN')
    cal.add('version', '2.0')

    def event(summary, start, **more):
        e = icalendar.Event()
        e.add('uid', summary.replace(' ', '-') + '@peer')
        e.add('dtstamp', datetime.datetime(2026, 12, 1, tzinfo=datetime.timezone.utc))
        e.add('summary', summary)
        e.add('dtstart', start)
        for key, value in more.items():
            e.add(key, value)
        cal.add_component(e)
        return e

    party = event('Party', datetime.date(2026, 12, 24),
                  description='Bring cake, candles; and a long enough note to be folded by the writer')
    alarm = icalendar.Alarm()
    alarm.add('action', 'DISPLAY')
    alarm.add('description', 'Party')
    alarm.add('trigger', datetime.timedelta(days=-2))
    party.add_component(alarm)
    cal.add_component(icalendar.Timezone.from_ical(NEW_YORK))
    late = event('Late call', datetime.datetime(2026, 12, 20, 23, 30), categories=['Work'])
    late['dtstart'].params['TZID'] = 'America/New_York'
    event('Standup', datetime.datetime(2026, 1, 5, 9, 0, tzinfo=datetime.timezone.utc),
          rrule={'freq': 'weekly'})
    with open(path, 'wb') as out:
        out.write(cal.to_ical())


def read(path):
    with open(path, 'rb') as f:
        cal = icalendar.Calendar.from_ical(f.read())
    for e in cal.walk('VEVENT'):
        start = e.decoded('dtstart')
        alarms = [a for a in e.walk('VALARM')]
        trigger = alarms[0].decoded('trigger') if alarms else None
        print(json.dumps({
            'summary': str(e.get('summary')),
            'start': start.isoformat(),
            'allday': not isinstance(start, datetime.datetime),
            'description': str(e.get('description', '')),
            'rrule': e['rrule'].to_ical().decode() if 'rrule' in e else '',
            'trigger_days': trigger.days if trigger is not None else None,
        }, sort_keys=True))


{'write': write, 'read': read}[sys.argv[1]](sys.argv[2])
