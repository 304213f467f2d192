"""Compares the program's eclipse list with the independent computation, in chunks of years."""
import sys

import catalogue
from clitool import run_cli


def compare_chunk(first, last):
    program = run_cli(["list", str(first), str(last)]).splitlines()
    mine = catalogue.eclipse_list(first, last)
    diffs = []
    for i in range(max(len(program), len(mine))):
        p = program[i] if i < len(program) else "<missing>"
        m = mine[i][0] if i < len(mine) else "<missing>"
        if p != m:
            note = ""
            if i < len(mine):
                text, margin, near, _ = mine[i]
                if margin < 1e-3:
                    note = " (instant %.2e s from a whole second: precision-only)" % margin
                if near:
                    note += " (kind near a threshold: precision-only)"
            diffs.append("list %d %d row %d: program %r, independent %r%s" % (first, last, i, p, m, note))
    borderline = [r for r in mine if r[1] < 1e-3 or r[2]]
    return len(program), len(mine), diffs, borderline


def main(argv):
    start, stop, step = (int(a) for a in (argv + ["1000", "3000", "100"][len(argv):]))
    total = 0
    all_diffs = []
    for first in range(start, stop, step):
        last = min(first + step, stop)
        n_prog, n_mine, diffs, borderline = compare_chunk(first, last)
        total += n_prog
        all_diffs += diffs
        print("list %d %d: %d rows program, %d independent, %d differences, %d borderline"
              % (first, last, n_prog, n_mine, len(diffs), len(borderline)))
        for d in diffs:
            print("  " + d)
        for text, margin, near, _ in borderline:
            print("  borderline: %r margin %.3g s near-threshold %s" % (text, margin, near))
        sys.stdout.flush()
    print("TOTAL rows compared %d, differences %d" % (total, len(all_diffs)))
    return 1 if all_diffs else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
