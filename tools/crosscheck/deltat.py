"""Delta-T (TT - UT1) from the files of data/deltat/, formed as their README describes, plus the
lag of the lunar and solar series behind the JPL-based canon; the geometry uses their sum at the
middle of each year. `python3 deltat.py FIRST [LAST]` prints what `vellmora-cli deltat` prints."""
import math
import os
import sys

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "deltat")


def _rows(name):
    with open(os.path.join(DATA, name)) as f:
        lines = f.read().splitlines()[1:]
    return [[float(v) for v in line.split("\t")] for line in lines if line]


SPLINE = _rows("s15_2020.tsv")  # y0 y1 a0 a1 a2 a3
MEASURED = [(r[0] + (r[1] - 1) / 12, r[3]) for r in _rows("iers_2019_2025.tsv")]  # (decimal year, seconds)
SIGMA = _rows("uncertainty.tsv")  # from_year sigma


def _long_term_without_constant(y):
    u = (y - 1825) / 100
    return 31.4115 * u * u + 284.8435805251424 * math.cos(0.4487989505128276 * (u + 0.75))


_LONG_TERM_CONSTANT = MEASURED[-1][1] - _long_term_without_constant(MEASURED[-1][0])


def delta_t_seconds(y):
    """D: the spline before the first measurement, the measurements (linear) up to the last, then
    the long-term model joined to the last measurement."""
    if y < MEASURED[0][0]:
        y0, y1, a0, a1, a2, a3 = [r for r in SPLINE if r[0] <= y][-1]
        t = (y - y0) / (y1 - y0)
        return a0 + a1 * t + a2 * t ** 2 + a3 * t ** 3
    if y <= MEASURED[-1][0]:
        for (ya, da), (yb, db) in zip(MEASURED, MEASURED[1:]):
            if ya <= y <= yb:
                return da + (db - da) * (y - ya) / (yb - ya)
    return _LONG_TERM_CONSTANT + _long_term_without_constant(y)


def lag_seconds(y):
    """L, fitted over the canon's eclipses of 1000-3000."""
    u = (y - 2000) / 100
    return -2.053 + 1.614 * u - 4.772 * u * u


def sigma_seconds(y):
    if y >= 2500:
        return 0.00022 * (y - 1825) ** 2
    return [r for r in SIGMA if r[0] <= y][-1][1]


def delta_t_days(year):
    """The value of a whole year for the geometry, days."""
    y = year + 0.5
    return (delta_t_seconds(y) + lag_seconds(y)) / 86400


def _two(x):
    text = "%.2f" % x
    return "0.00" if text == "-0.00" else text


def deltat_lines(first, last):
    out = []
    for year in range(first, last + 1):
        y = year + 0.5
        fields = [delta_t_seconds(y), lag_seconds(y), delta_t_days(year) * 86400, sigma_seconds(y)]
        out.append("\t".join([str(year)] + [_two(v) for v in fields]))
    return out


if __name__ == "__main__":
    args = [int(a) for a in sys.argv[1:3]]
    print("\n".join(deltat_lines(args[0], args[-1])))
