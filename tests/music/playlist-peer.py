#!/usr/bin/env python3
# Another program's playlists: GNOME's playlist library (totem-pl-parser) writes a list of the
# given files, or reads one and prints each entry's path, one per line.
#   playlist-peer.py write m3u|pls LIST FILE...
#   playlist-peer.py read LIST
import sys, gi
gi.require_version('TotemPlParser', '1.0')
from gi.repository import TotemPlParser, Gio
if sys.argv[1] == 'write':
    kind = {'m3u': TotemPlParser.ParserType.M3U, 'pls': TotemPlParser.ParserType.PLS}[sys.argv[2]]
    pl = TotemPlParser.Playlist()
    for path in sys.argv[4:]:
        it = pl.append()
        pl.set_value(it, TotemPlParser.PARSER_FIELD_URI, Gio.File.new_for_path(path).get_uri())
        pl.set_value(it, TotemPlParser.PARSER_FIELD_TITLE, path.split('/')[-1])
    TotemPlParser.Parser().save(pl, Gio.File.new_for_path(sys.argv[3]), 'peer', kind)
else:
    p = TotemPlParser.Parser()
    p.connect('entry-parsed', lambda parser, uri, meta: print(Gio.File.new_for_commandline_arg(uri).get_path()))
    p.parse(Gio.File.new_for_path(sys.argv[2]).get_uri(), False)
