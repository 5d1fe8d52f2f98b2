#!/usr/bin/env python3
"""Writes the world city search's lists and data files from the location database of
libmateweather-common (see make-cities.sh). Usage: make-cities.py LOCATIONS.xml.gz APPFOLDER"""
import gzip
import os
import sys
import xml.etree.ElementTree as ET

LANG = '{http://www.w3.org/XML/1998/namespace}lang'
COUNTRIES = ['Australia', 'Austria', 'Bahamas', 'Belgium', 'Bermuda', 'Canada', 'Denmark',
             'France', 'Germany', 'Iceland', 'India', 'Ireland', 'Italy', 'Japan', 'Mexico',
             'Netherlands', 'New Zealand', 'Norway', 'Spain', 'Sweden', 'Switzerland',
             'United Kingdom']
# The program's name of a country -> the database's names for it.
COUNTRY_ALIASES = {'Bahamas': ['Bahamas', 'The Bahamas'],
                   'Netherlands': ['Netherlands', 'The Netherlands']}
# Entry of the second list -> (city file, the database's names for the province or state).
REGIONS = {
    'Canada': [('Alberta', '2alberta.txt', ['Alberta']),
               ('BC', '2BC.txt', ['British Columbia']),
               ('Manitoba', '2manitoba.txt', ['Manitoba']),
               ('New Brunswick', '2New Brunswick.txt', ['New Brunswick']),
               ('New Foundland', '2New Foundland.txt', ['Newfoundland and Labrador']),
               ('Northwest Territory', '2Northwest Territory.txt', ['Northwest Territories']),
               ('Nova Scotia', '2nova scotia.txt', ['Nova Scotia']),
               ('Ontario', '2Ontario.txt', ['Ontario']),
               ('Quebec', '2quebec.txt', ['Quebec', 'Québec']),
               ('Saskatchewan', '2Saskatchewan.txt', ['Saskatchewan']),
               ('Yukon', '2yukon.txt', ['Yukon', 'Yukon Territory'])],
    'Australia': [('NSW', '2NSW.txt', ['New South Wales']),
                  ('Queensland', '2Queensland.txt', ['Queensland']),
                  ('South Australia', '2South Australia.txt', ['South Australia']),
                  ('Tasmania', '2Tasmania.txt', ['Tasmania']),
                  ('Victoria', '2Victoria.txt', ['Victoria']),
                  ('West Australia', '2West Australia.txt', ['Western Australia'])],
}
# Data file, record length, name width of each country.
DATA = {'Canada': ('Canada.dat', 25, 20), 'Australia': ('Australia.dat', 30, 25)}
OTHER = ('Country.dat', 30, 25)


def name(element):
    for n in element.findall('name'):
        if LANG not in n.attrib and n.text:
            return n.text.strip()
    return None


def cities(element):
    """(name, station code) of every city under an element, in database order."""
    out = []
    for city in element.iter('city'):
        codes = [loc.findtext('code') for loc in city.findall('location')]
        codes = [c.strip() for c in codes if c and c.strip()]
        if name(city) and codes:
            out.append((name(city), codes[0]))
    return out


class DataFile:
    """Fixed-length records; a name already in the file is left out (the first one wins)."""

    def __init__(self, length, width):
        self.length, self.width, self.records, self.names = length, width, [], set()
        self.dropped = []

    def add(self, city, code):
        try:
            field = city.encode('cp1252')[:self.width].decode('cp1252').rstrip()
        except UnicodeError:
            self.dropped.append(city)
            return None
        if not field or field.upper() in self.names or len(code) > self.length - self.width:
            self.dropped.append(city)
            return None
        self.names.add(field.upper())
        record = field.ljust(self.width) + code.ljust(self.length - self.width)
        self.records.append(record.encode('cp1252'))
        return field

    def write(self, path):
        with open(path, 'wb') as f:
            f.write(b''.join(self.records))


def write_list(path, lines):
    with open(path, 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('cp1252'))


def main(source, app):
    root = ET.parse(gzip.open(source)).getroot()
    by_name = {name(c): c for c in root.iter('country')}
    text = os.path.join(app, 'TextFiles')
    os.makedirs(text, exist_ok=True)
    files = {key: DataFile(*layout[1:]) for key, layout in list(DATA.items()) + [('', OTHER)]}
    for country in COUNTRIES:
        element = next((by_name[n] for n in COUNTRY_ALIASES.get(country, [country])
                        if n in by_name), None)
        if country in REGIONS:
            data = files[country]
            states = {name(s): s for s in element.findall('state')} if element is not None else {}
            write_list(os.path.join(text, country + '.txt'), [e for e, _, _ in REGIONS[country]])
            for entry, file, names in REGIONS[country]:
                state = next((states[n] for n in names if n in states), None)
                found = cities(state) if state is not None else []
                kept = [data.add(c, code) for c, code in sorted(found, key=lambda x: x[0].casefold())]
                write_list(os.path.join(text, file), [k for k in kept if k])
            continue
        found = cities(element) if element is not None else []
        kept = [files[''].add(c, code) for c, code in sorted(found, key=lambda x: x[0].casefold())]
        kept = [k for k in kept if k]
        write_list(os.path.join(text, '2' + country + '.txt'), kept or ['NONE LISTED'])
    for key, layout in list(DATA.items()) + [('', OTHER)]:
        files[key].write(os.path.join(app, layout[0]))
        print(f'{layout[0]}: {len(files[key].records)} records, left out: {files[key].dropped}')


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
