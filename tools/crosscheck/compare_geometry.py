"""Compares the central line and the local circumstances of a sample of eclipses, at several
observing places each, with the independent computation.

For each eclipse the places are: on the central line, beside it (3 degrees of latitude off), far
away (about 90 degrees of longitude off), and both polar regions. The program's `show` output is the
central-line block, the place labels, then the local-circumstances block."""
import sys

import catalogue
import geometry
import vsop
from clitool import run_cli


def sample_eclipses(count):
    rows = catalogue.eclipse_list(1000, 3000)
    chosen = {int(i * (len(rows) - 1) / (count - 1)) for i in range(count)}
    # Make sure every kind and both sides of the calendar reform are present.
    for i, r in enumerate(rows):
        if r[0].startswith("total-ring") and sum(1 for j in chosen if rows[j][0].startswith("total-ring")) < 6:
            chosen.add(i)
        year = int(r[0].split("\t")[1][6:10])
        if year in (1581, 1582, 1583):
            chosen.add(i)
    return [rows[i][0] for i in sorted(chosen)]


def parse_row(text):
    kind, stamp = text.split("\t")
    date, clock = stamp.split(" ")
    day, month, year = (int(x) for x in date.split("."))
    h, m, s = (int(x) for x in clock.split(":"))
    return kind, day, month, year, h + m / 60 + s / 3600


def split_show(output):
    """The central-line rows (before the first blank line; none when the output starts with the
    place labels) and the local-circumstances lines (after the last blank line)."""
    lines = output.split("\n")
    if "" not in lines[:-1]:
        return [l for l in lines if l], []
    first_blank = lines.index("")
    last_blank = len(lines) - 1 - lines[::-1].index("", 1 if lines[-1] == "" else 0)
    central = [l for l in lines[:first_blank] if l]
    local = [l for l in lines[last_blank + 1:] if l]
    return central, local


def decimal_place(dm_text):
    d, m = dm_text.split("°")
    d, m = int(d), int(m)
    sign = -1 if (d < 0 or m < 0) else 1
    return sign * (abs(d) + abs(m) / 60)


def places_for(central_rows):
    places = []
    if central_rows:
        mid = central_rows[(len(central_rows) - 1) // 2][0].split("\t")
        lat, lon = decimal_place(mid[1]), decimal_place(mid[2])
        places.append(("in path", round(lat, 4), round(lon, 4)))
        places.append(("beside", round(lat + 3 if lat < 80 else lat - 3, 4), round(lon, 4)))
        far = lon + 95 if lon < 85 else lon - 95
        places.append(("far", round(-lat / 2, 4), round(far, 4)))
    places.append(("north polar", 86.5, 40.0))
    places.append(("south polar", -84.0, -120.0))
    return places


def grid_places(central_rows):
    """A coarser net of places around the path: partial phases of every depth, the path's edges,
    places where the Sun stands low, and the poles."""
    places = places_for(central_rows)
    if central_rows:
        mid = central_rows[(len(central_rows) - 1) // 2][0].split("\t")
        lat, lon = decimal_place(mid[1]), decimal_place(mid[2])
        for dlat in (-30, -12, -6, -1.5, -0.5, 0.5, 1.5, 6, 12, 30):
            places.append(("offset %+g" % dlat, round(max(-89.9, min(89.9, lat + dlat)), 4), round(lon, 4)))
        for idx in (0, len(central_rows) - 1):
            end = central_rows[idx][0].split("\t")
            places.append(("path end %d" % idx, decimal_place(end[1]), decimal_place(end[2])))
        for dlon in (-60, -35, 35, 60):
            l2 = lon + dlon
            l2 = l2 - 360 if l2 > 180 else l2 + 360 if l2 < -180 else l2
            places.append(("lon offset %+d" % dlon, round(lat, 4), round(l2, 4)))
    return places


def main(argv):
    mode = argv[0] if argv else "sample"
    if mode == "all":
        eclipses = [r[0] for r in catalogue.eclipse_list(1000, 3000)]
        eclipses = eclipses[int(argv[1]) if len(argv) > 1 else 0:int(argv[2]) if len(argv) > 2 else None]
    else:
        eclipses = sample_eclipses(int(argv[1]) if len(argv) > 1 else 44)
    choose = {"all": lambda rows: places_for(rows)[:1], "grid": grid_places}.get(mode, places_for)
    central_lines = central_diff = local_lines = local_diff = 0
    kinds_seen = {}
    for row in eclipses:
        kind, day, month, year, hours = parse_row(row)
        mine_central = geometry.central_line(day, month, year, hours)
        date = "%02d.%02d.%04d" % (day, month, year)
        for idx, (label, lat, lon) in enumerate(choose(mine_central)):
            cmd = ["show", date, "--lat", repr(lat), "--lon", repr(lon)]
            prog_central, prog_local = split_show(run_cli(cmd))
            if idx == 0:
                central_lines += len(prog_central)
                mine = [r[0] for r in mine_central]
                if len(mine) != len(prog_central):
                    print("DIFF central %s: %d rows program, %d independent" % (" ".join(cmd), len(prog_central), len(mine)))
                for i in range(min(len(mine), len(prog_central))):
                    if mine[i] != prog_central[i]:
                        central_diff += 1
                        print("DIFF central %s row %d: program %r independent %r edges %s"
                              % (" ".join(cmd), i, prog_central[i], mine[i],
                                 {k: "%.2g" % v for k, v in mine_central[i][1].items()}))
            serial = vsop.serial_of_instant(day, month, year, hours)
            alt, _ = vsop.sun_horizontal(serial, -lon, lat)
            if alt >= 0:
                mine_local, notes = geometry.local_circumstances(day, month, year, hours, lat, lon)
            else:
                mine_local, notes = ["Am Beobachtungsort nicht zu sehen"], []
            if abs(alt) < 1e-6:
                notes.append("Sun altitude %.2e at the horizon" % alt)
            local_lines += len(prog_local)
            first = prog_local[0].split(" ")[0] if prog_local else "<empty>"
            kinds_seen[first] = kinds_seen.get(first, 0) + 1
            if mine_local != prog_local:
                local_diff += 1
                print("DIFF local %s (%s, %s, Sun altitude %.4f): program %r independent %r notes %s"
                      % (" ".join(cmd), kind, label, alt, prog_local, mine_local, notes))
        print("done %s (%d central rows)" % (row, len(mine_central)))
        sys.stdout.flush()
    print("TOTAL eclipses %d; central rows compared %d, differing %d; local lines compared %d, "
          "differing blocks %d" % (len(eclipses), central_lines, central_diff, local_lines, local_diff))
    print("local blocks by first word: %s" % kinds_seen)


if __name__ == "__main__":
    main(sys.argv[1:])
