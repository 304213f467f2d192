"""Compares the program's Sun altitude and azimuth (`sun` command) with the independent VSOP87
computation for a spread of instants (both calendars) and places (equator, mid-latitudes, poles)."""
import random
import sys

import vsop
from clitool import run_cli


def samples(count, seed=1729):
    rnd = random.Random(seed)
    out = []
    for i in range(count):
        year = 1000 + int(2000 * i / count) + rnd.randrange(0, max(1, 2000 // count))
        month, day = rnd.randrange(1, 13), rnd.randrange(1, 29)
        if year == 1582 and month == 10 and 5 <= day <= 14:
            day = 4
        h, m, s = rnd.randrange(24), rnd.randrange(60), rnd.randrange(60)
        lat = rnd.choice([round(rnd.uniform(-90, 90), 4), 0.0, 89.99, -89.99, round(rnd.uniform(-60, 60), 2)])
        lon = round(rnd.uniform(-180, 180), 4)
        out.append((day, month, year, h, m, s, lat, lon))
    return out


def main(argv):
    count = int(argv[0]) if argv else 300
    diffs = 0
    for day, month, year, h, m, s, lat, lon in samples(count):
        date, clock = "%02d.%02d.%04d" % (day, month, year), "%02d:%02d:%02d" % (h, m, s)
        cmd = ["sun", date, clock, repr(lat), repr(lon)]
        program = run_cli(cmd).splitlines()
        serial = vsop.serial_of_instant(day, month, year, h + m / 60 + s / 3600)
        alt, az = vsop.sun_horizontal(serial, -lon, lat)
        mine = ["Hoehe: %.6f" % alt, "Azimut: %.6f" % az]
        if program != mine:
            diffs += 1
            edge = min(abs((abs(alt) * 1e6) % 1 - 0.5), abs((abs(az) * 1e6) % 1 - 0.5))
            print("DIFF %s: program %r independent %r%s" % (" ".join(cmd), program, mine,
                  " (within 1e-9 of a rounding tie: precision-only)" if edge < 1e-3 else ""))
    print("TOTAL sun samples %d (%d lines), differing %d" % (count, 2 * count, diffs))


if __name__ == "__main__":
    main(sys.argv[1:])
