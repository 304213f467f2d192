"""Compares the `deltat` command with the independent Delta-T over the program's whole range."""
import sys

import deltat
from clitool import run_cli


def main(argv):
    first, last = (int(argv[0]), int(argv[1])) if len(argv) == 2 else (1000, 3000)
    program = run_cli(["deltat", str(first), str(last)]).splitlines()
    mine = deltat.deltat_lines(first, last)
    diffs = 0
    if len(program) != len(mine):
        print("DIFF deltat: %d lines program, %d independent" % (len(program), len(mine)))
    for p, m in zip(program, mine):
        if p != m:
            diffs += 1
            print("DIFF deltat: program %r independent %r" % (p, m))
    print("TOTAL deltat lines %d, differing %d" % (len(mine), diffs))


if __name__ == "__main__":
    main(sys.argv[1:])
