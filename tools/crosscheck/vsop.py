"""Apparent place of the Sun from the VSOP87D Earth series, nutation, and altitude/azimuth at a site.

The series are read straight from the published file VSOP87D.ear."""
import math
import os
from fractions import Fraction as Fr

import catalogue

VSOP_FILE = os.environ.get("VSOP87D_EAR", "/work/shared/data/VSOP87D.ear")
PI = math.pi


def load_series(path=VSOP_FILE):
    """{(variable 1..3, power): [(A scaled by 1e8, B, C), ...]} in the published order."""
    series = {}
    current = None
    with open(path) as f:
        for line in f:
            if "VARIABLE" in line:
                var = int(line.split("VARIABLE")[1].split()[0])
                power = int(line.split("*T**")[1].split()[0])
                current = series.setdefault((var, power), [])
                continue
            parts = line.split()
            if len(parts) < 3:
                continue
            amplitude = Fr(parts[-3]) * 10 ** 8
            current.append((float(amplitude), float(parts[-2]), float(parts[-1])))
    return series


_SERIES = None


def series():
    global _SERIES
    if _SERIES is None:
        _SERIES = load_series()
    return _SERIES


# ---- degree helpers (reduce into one turn, then convert) ----

def normalize_degrees(x):
    r = x - 360.0 * round(x / 360.0)
    while r < 0:
        r += 360.0
    return r


def deg2rad(x):
    return x / 180.0 * PI


def rad2deg(x):
    return x * 180.0 / PI


def sind(x):
    return math.sin(deg2rad(normalize_degrees(x)))


def cosd(x):
    return math.cos(deg2rad(normalize_degrees(x)))


def tand(x):
    return math.tan(deg2rad(normalize_degrees(x)))


def atan2d(y, x):
    return rad2deg(math.atan2(y, x))


def asind(x):
    return rad2deg(math.asin(max(-1.0, min(1.0, x))))


# ---- heliocentric Earth ----

def evaluate_series(var, tau):
    total = 0.0
    for power in range(5, -1, -1):
        s = 0.0
        for a, b, c in series().get((var, power), []):
            v = a * math.cos(b + c * tau)
            if v == 0:
                break
            s += v
        total = total * tau + s
    return total * 1e-8


def earth_heliocentric(days_from_j2000):
    tau = days_from_j2000 / 365250.0
    r = evaluate_series(3, tau)
    l = evaluate_series(1, tau)
    b = evaluate_series(2, tau)
    tp = 10 * tau
    lp = l + tp * deg2rad(-1.397 - 0.00031 * tp)
    l2 = l - deg2rad(0.09033 / 3600) + deg2rad(0.03916 / 3600) * (math.cos(lp) + math.sin(lp)) * math.tan(b)
    b2 = b + deg2rad(0.03916 / 3600) * (math.cos(lp) - math.sin(lp))
    return normalize_degrees(rad2deg(l2)), rad2deg(b2), r


NUTATION = [
    (0, 0, 0, 0, 1, -171996, -1742, 92025, 89), (-2, 0, 0, 2, 2, -13187, -16, 5736, -31),
    (0, 0, 0, 2, 2, -2274, -2, 977, -5), (0, 0, 0, 0, 2, 2062, 2, -895, 5),
    (0, 1, 0, 0, 0, 1426, -34, 54, -1), (0, 0, 1, 0, 0, 712, 1, -7, 0),
    (-2, 1, 0, 2, 2, -517, 12, 224, -6), (0, 0, 0, 2, 1, -386, -4, 200, 0),
    (0, 0, 1, 2, 2, -301, 0, 129, -1), (-2, -1, 0, 2, 2, 217, -5, -95, 3),
    (-2, 0, 1, 0, 0, -158, 0, 0, 0), (-2, 0, 0, 2, 1, 129, 1, -70, 0),
    (0, 0, -1, 2, 2, 123, 0, -53, 0), (2, 0, 0, 0, 0, 63, 0, 0, 0),
    (0, 0, 1, 0, 1, 63, 1, -33, 0), (2, 0, -1, 2, 2, -59, 0, 26, 0),
    (0, 0, -1, 0, 1, -58, -1, 32, 0), (0, 0, 1, 2, 1, -51, 0, 27, 0),
    (-2, 0, 2, 0, 0, 48, 0, 0, 0), (0, 0, -2, 2, 1, 46, 0, -24, 0),
    (2, 0, 0, 2, 2, -38, 0, 16, 0), (0, 0, 2, 2, 2, -31, 0, 13, 0),
    (0, 0, 2, 0, 0, 29, 0, 0, 0), (-2, 0, 1, 2, 2, 29, 0, -12, 0),
    (0, 0, 0, 2, 0, 26, 0, 0, 0), (-2, 0, 0, 2, 0, -22, 0, 0, 0),
    (0, 0, -1, 2, 1, 21, 0, -10, 0), (0, 2, 0, 0, 0, 17, -1, 0, 0),
    (2, 0, -1, 0, 1, 16, 0, -8, 0), (-2, 2, 0, 2, 2, -16, 1, 7, 0),
    (0, 1, 0, 0, 1, -15, 0, 9, 0)]


def nutation_and_obliquity(T):
    om = normalize_degrees(125.04452 - 1934.136261 * T + 0.0020708 * T * T + T ** 3 / 450000)
    d = normalize_degrees(297.85036 + 445267.11148 * T - 0.0019142 * T * T + T ** 3 / 189474)
    m = normalize_degrees(357.52772 + 35999.05034 * T - 0.0001603 * T * T - T ** 3 / 300000)
    mp = normalize_degrees(134.96298 + 477198.867398 * T + 0.0086972 * T * T + T ** 3 / 56250)
    f = normalize_degrees(93.27191 + 483202.017538 * T - 0.0036825 * T * T + T ** 3 / 327270)
    dpsi = deps = 0.0
    for md, mm, mmp, mf, mo, pc, pt, ec, et in NUTATION:
        arg = d * md + m * mm + mp * mmp + f * mf + om * mo
        dpsi += sind(arg) * (pc + 0.1 * pt * T)
        deps += cosd(arg) * (ec + 0.1 * et * T)
    dpsi = dpsi * 0.0001 / 3600
    eps = (84381.448 - 46.815 * T - 0.00059 * T * T + 0.001813 * T ** 3 + deps * 0.0001) / 3600
    return dpsi, eps


def apparent_sidereal_time(days):
    """Mean sidereal time grows by 361 degrees a day; it is summed exactly and reduced before
    rounding, since a double at 10^8 degrees would keep only 10^-8 degrees."""
    T = float(days) / 36525.0
    dpsi, eps = nutation_and_obliquity(T)
    theta0 = Fr("280.46061837") + Fr("360.98564736629") * Fr(days) \
        + Fr(T * T * (0.000387933 - T / 38710000))
    theta0 -= 360 * (theta0 // 360)
    return normalize_degrees(float(theta0) + dpsi * cosd(eps))


def sun_apparent(days):
    """(longitude, latitude, distance km, right ascension, declination); days = JD - 2451545."""
    L, B, R = earth_heliocentric(days)
    lam = L + 180
    beta = -B
    T = days / 365250.0 * 10
    lamp = lam + T * (-1.397 - 0.00031 * T)
    lam = lam - 0.09033 / 3600
    beta = beta + (0.03916 / 3600) * (cosd(lamp) - sind(lamp))
    lam = lam - (20.4898 / 3600) / R
    lam = normalize_degrees(lam)
    dpsi, eps = nutation_and_obliquity(days / 36525.0)
    lam = normalize_degrees(lam + dpsi)
    ra = atan2d(sind(lam) * cosd(eps) - tand(beta) * sind(eps), cosd(lam))
    dec = asind(sind(beta) * cosd(eps) + cosd(beta) * sind(eps) * sind(lam))
    return lam, beta, R * 149597869, ra, dec


def sun_horizontal(serial, west_longitude, latitude):
    """Altitude and azimuth (from the south, positive west) of the Sun at a date serial."""
    days = Fr(serial) - Fr(73053, 2)  # JD - 2451545.0, exact
    _, _, _, ra, dec = sun_apparent(float(days))
    h = normalize_degrees(apparent_sidereal_time(days) - ra - west_longitude)
    az = atan2d(sind(h), cosd(h) * sind(latitude) - tand(dec) * cosd(latitude))
    alt = asind(sind(latitude) * sind(dec) + cosd(latitude) * cosd(dec) * cosd(h))
    return alt, az


def serial_of_instant(day, month, year, hours):
    """Date serial of a calendar date (Julian calendar before the switch) and hour of day."""
    jd = catalogue.calendar_to_jd(year, month, day)
    return catalogue.jd_to_date_serial(jd) + hours / 24.0
