#!/usr/bin/python3
"""An NTP server for trying Time Sync offline: answers on 127.0.0.1:PORT (default 12123) as a
stratum 2 server whose clock runs AHEAD seconds (default 100) ahead of this computer's.

    tools/time-fixture/ntp-ahead.py [PORT [AHEAD]]
    ORVANE_TIME_SERVER=127.0.0.1:12123 build/app/Orvane    (with "System"/"TimeProtocol" unset
                                                            or "ntp" in settings.ini)
"""
import socket
import struct
import sys
import time

TO_1900 = 2208988800


def stamp(seconds):
    return int((seconds + TO_1900) * (1 << 32)) & ((1 << 64) - 1)


def main():
    port = int(sys.argv[1]) if len(sys.argv) > 1 else 12123
    ahead = float(sys.argv[2]) if len(sys.argv) > 2 else 100.0
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", port))
    print(f"NTP on 127.0.0.1:{port}, {ahead:+g} s ahead", flush=True)
    while True:
        request, peer = sock.recvfrom(512)
        if len(request) < 48 or request[0] & 7 != 3:
            continue
        now = stamp(time.time() + ahead)
        reply = bytearray(48)
        reply[0] = 4 << 3 | 4  # version 4, server
        reply[1] = 2           # stratum
        reply[24:32] = request[40:48]  # origin: the client's transmit time
        struct.pack_into("!QQ", reply, 32, now, now)
        sock.sendto(bytes(reply), peer)


main()
