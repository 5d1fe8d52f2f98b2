#!/usr/bin/env python3
# Another program's vCards: Python's vobject writes a few cards (with folded lines and
# escapes), or reads a file and prints each card's values as JSON, one card per line.
#   vcard-peer.py write FILE
#   vcard-peer.py read FILE
import json
import sys

import vobject


def write(path):
    ann = vobject.vCard()
    ann.add('n').value = vobject.vcard.Name(family='Smith, Jr.', given='Ann')
    ann.add('fn').value = 'Ann Smith, Jr.'
    ann.add('tel').value = '555 1234'
    ann.tel.type_param = 'HOME'
    ann.add('email').value = 'ann@example.test'
    ann.add('adr').value = vobject.vcard.Address(street='1 Main St', city='Springfield',
                                                 region='IL', code='62701', country='USA')
    ann.add('org').value = ['Acme; Widgets']
    ann.add('note').value = 'Line one\nLine two, with a comma; and a semicolon, long enough to fold'
    ann.add('bday').value = '1985-04-12'
    long = vobject.vCard()
    long.add('n').value = vobject.vcard.Name(family='Featherstonehaugh-Cholmondeley-Marjoribanks',
                                             given='Bo')
    long.add('fn').value = 'Bo Featherstonehaugh-Cholmondeley-Marjoribanks'
    work = long.add('tel')
    work.value = '555 9876 ext. 42'
    work.type_param = 'WORK'
    fax = long.add('tel')
    fax.value = '555 9877'
    fax.type_paramlist = ['WORK', 'FAX']
    long.add('url').value = 'https://bo.example.test/'
    long.add('x-anniversary').value = '2010-06-12'
    nameless = vobject.vCard()
    nameless.add('fn').value = ''
    nameless.add('email').value = 'nobody@example.test'
    with open(path, 'w', encoding='utf-8', newline='') as out:
        for card in (ann, long, nameless):
            out.write(card.serialize())


def read(path):
    with open(path, encoding='utf-8') as f:
        for card in vobject.readComponents(f.read()):
            values = {}
            for line in card.getChildren():
                value = line.value
                if line.name == 'N':
                    value = [value.family, value.given]
                elif line.name == 'ADR':
                    value = [value.extended, value.street, value.city, value.region, value.code,
                             value.country]
                elif isinstance(value, list):
                    value = [str(v) for v in value]
                types = sorted(t.lower() for t in line.params.get('TYPE', []))
                key = line.name + (':' + ','.join(types) if types else '')
                values[key] = value
            print(json.dumps(values, sort_keys=True))


{'write': write, 'read': read}[sys.argv[1]](sys.argv[2])
