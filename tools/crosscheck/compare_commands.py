"""Compares the `central` and `local` commands with the independent computation: the catalogue
instants of a sample of eclipses and instants shifted from them (off the 15-second grid), and for
each a net of places, including places on the night side (the `local` command has no Sun test)."""
import random
import sys

import geometry
from clitool import run_cli
from compare_geometry import grid_places, parse_row, sample_eclipses


def shifted(day, month, year, hours, minutes):
    """The same instant moved by whole minutes and seconds, staying on the same day."""
    h = min(max(hours + minutes / 60, 0.0), 23.99)
    whole = int(round(h * 3600))
    return day, month, year, whole // 3600, whole // 60 % 60, whole % 60


def main(argv):
    count = int(argv[0]) if argv else 60
    shift = float(argv[1]) if len(argv) > 1 else 40.0
    rnd = random.Random(4242)
    eclipses = sample_eclipses(count)
    n_central = d_central = n_local = d_local = 0
    kinds = {}
    for row in eclipses:
        _, day, month, year, hours = parse_row(row)
        instants = [shifted(day, month, year, hours, 0),
                    shifted(day, month, year, hours, rnd.choice((-1, 1)) * rnd.uniform(shift / 2, shift) + 0.123)]
        for k, (d, m, y, hh, mi, ss) in enumerate(instants):
            h = hh + mi / 60 + ss / 3600
            stamp = ["%02d.%02d.%04d" % (d, m, y), "%02d:%02d:%02d" % (hh, mi, ss)]
            mine_rows = geometry.central_line(d, m, y, h)
            prog = [l for l in run_cli(["central"] + stamp).split("\n") if l]
            n_central += len(prog)
            mine = [r[0] for r in mine_rows]
            if len(prog) != len(mine):
                print("DIFF central %s: %d rows program, %d independent" % (" ".join(stamp), len(prog), len(mine)))
            for i in range(min(len(prog), len(mine))):
                if prog[i] != mine[i]:
                    d_central += 1
                    print("DIFF central %s row %d: program %r independent %r edges %s" % (
                        " ".join(stamp), i, prog[i], mine[i],
                        {key: "%.2g" % v for key, v in mine_rows[i][1].items()}))
            places = grid_places(mine_rows) if k == 0 else grid_places(mine_rows)[:5]
            places += [("random", round(rnd.uniform(-89, 89), 3), round(rnd.uniform(-180, 180), 3))
                       for _ in range(4 if k == 0 else 2)]
            for label, lat, lon in places:
                cmd = ["local"] + stamp + [repr(lat), repr(lon)]
                prog_local = [l for l in run_cli(cmd).split("\n") if l]
                mine_local, notes = geometry.local_circumstances(d, m, y, h, lat, lon)
                n_local += len(prog_local)
                first = prog_local[0].split(" ")[0] if prog_local else "<empty>"
                kinds[first] = kinds.get(first, 0) + 1
                if prog_local != mine_local:
                    d_local += 1
                    print("DIFF %s (%s): program %r independent %r notes %s" % (
                        " ".join(cmd), label, prog_local, mine_local, notes))
        print("done %s" % row)
        sys.stdout.flush()
    print("TOTAL central rows compared %d, differing %d; local lines compared %d, differing blocks %d"
          % (n_central, d_central, n_local, d_local))
    print("local blocks by first word: %s" % kinds)


if __name__ == "__main__":
    main(sys.argv[1:])
