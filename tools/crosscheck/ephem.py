"""Ephemeris: time scales, degree trigonometry, vectors, Chebyshev fits, rotations, and the series
of the Sun and the Moon (mean equinox of date, then true equator and equinox of date)."""
import math
from fractions import Fraction

RAD = 0.0174532925199433


def trunc(x):
    return float(math.trunc(x))


def frac(x):
    return x - math.trunc(x)  # keeps the sign of x


def frac_lin(a, b, T, extra=0.0):
    """Frac(a + b T + extra) with a and b decimal texts, summed exactly before the whole
    revolutions are removed: a double at b T ~ 10^4 revolutions would keep only ~10^-12."""
    x = Fraction(a) + Fraction(b) * Fraction(T) + Fraction(extra)
    return float(x - math.trunc(x))


def frac_positive(x):
    f = x - math.trunc(x)
    return f + 1 if f < 0 else f


# ---- time scales ----

def modified_julian_date(day, month, year, hours):
    key = year * 10000 + month * 100 + day
    if month <= 2:
        month += 12
        year -= 1
    if key <= 15821004.1:
        b = math.trunc((year + 4716) / 4) - 1181
    else:
        b = math.trunc(year / 400) - math.trunc(year / 100) + math.trunc(year / 4)
    return 365.0 * year - 679004 + b + math.trunc(30.6001 * (month + 1)) + day + hours / 24


def calendar_from_mjd(mjd):
    a = mjd + 2400000.5
    b = trunc(a + 0.5)
    if b < 2299161:
        c = b + 1524
    else:
        g = math.trunc((b - 1867216.25) / 36524.25)
        c = b + (g - math.trunc(g / 4)) + 1525
    d = math.trunc((c - 122.1) / 365.25)
    e = math.trunc(d / 4) + 365 * d
    f = math.trunc((c - e) / 30.6001)
    day = math.trunc(c - e + 0.5) - math.trunc(30.6001 * f)
    month = f - 1 - 12 * math.trunc(f / 14)
    year = d - 4715 - math.trunc((7 + month) / 10)
    hours = (a + 0.5 - b) * 24
    return day, month, year, hours


def local_sidereal_time(mjd, west_longitude):
    mjd0 = trunc(mjd)
    ut = (mjd - mjd0) * 24
    t0 = (mjd0 - 51544.5) / 36525
    gmst = 6.697374558 + 1.0027379093 * ut + (8640184.812866 + (0.093104 - 6.2e-6 * t0) * t0) * t0 / 3600
    return 24 * frac_positive((gmst - west_longitude / 15) / 24)


def julian_day_at_midnight(year, month, day):
    key = year * 10000 + month * 100 + day
    y = year + 4712
    m = month + 1
    if month <= 2:
        y -= 1
        m += 12
    if key < 15821015:
        e = -63.5
    else:
        a = trunc((y + 88) / 100)
        e = trunc(0.25 * a) - a - 25.5
    return trunc(365.25 * y) + trunc(30.6001 * m) + day + e


def delta_t(year):
    """Ephemeris minus universal time, days."""
    c = (julian_day_at_midnight(year, 7, 1) - 2415020) / 36525
    n = julian_day_at_midnight(year, 7, 1) - 2382149
    if 1619 <= year <= 1799:
        u = year - 1600
        return (196.58333 - 4.0675 * u + 0.0219167 * u * u) / 86400
    if 1800 <= year <= 1899:
        coeffs = [-0.000009, 0.003844, 0.083563, 0.865736, 4.867575, 15.845535, 31.332267,
                  38.291999, 28.316289, 11.636204, 2.043794]
        return sum(k * c ** i for i, k in enumerate(coeffs))
    if 1900 <= year <= 1987:
        coeffs = [-0.00002, 0.000297, 0.025184, -0.181133, 0.553040, -0.861938, 0.677066, -0.212591]
        return sum(k * c ** i for i, k in enumerate(coeffs))
    if 1988 <= year <= 2020:
        return (year - 1933) / 86400
    return (n * n / 41048480 - 15) / 86400


# ---- degree trigonometry and vectors ----

def sind(x):
    return math.sin(x * RAD)


def cosd(x):
    return math.cos(x * RAD)


def tand(x):
    return math.sin(x * RAD) / math.cos(x * RAD)


def asind(x):
    if abs(x) == 1:
        return 90 * x
    if abs(x) <= 1e-7:
        return x / RAD
    return math.atan(x / math.sqrt((1 - x) * (1 + x))) / RAD


def acosd(x):
    if abs(x) == 1:
        return 90 - 90 * x
    if abs(x) <= 1e-7:
        return 90 - x / RAD
    return 90 - math.atan(x / math.sqrt((1 - x) * (1 + x))) / RAD


def atan2d(y, x):
    if x == 0 and y == 0:
        return 0.0
    ax, ay = abs(x), abs(y)
    if ax > ay:
        phi = math.atan(ay / ax) / RAD
    else:
        phi = 90 - math.atan(ax / ay) / RAD
    if x < 0:
        phi = 180 - phi
    if y < 0:
        phi = -phi
    return phi


def polar_to_cartesian(r, theta, phi):
    rc = r * cosd(theta)
    return (rc * cosd(phi), rc * sind(phi), r * sind(theta))


def cartesian_to_polar(x, y, z):
    rho2 = x * x + y * y
    r = math.sqrt(rho2 + z * z)
    phi = atan2d(y, x)
    if phi < 0:
        phi += 360
    theta = atan2d(z, math.sqrt(rho2))
    return r, theta, phi


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def norm(a):
    return math.sqrt(dot(a, a))


def degrees_to_dms(x):
    a = abs(x)
    d = math.trunc(a)
    m = math.trunc((a - d) * 60)
    s = ((a - d) * 60 - m) * 60
    if x < 0:
        if d != 0:
            d = -d
        elif m != 0:
            m = -m
        else:
            s = -s
    return d, m, s


def quadratic_interpolation(ym, y0, yp):
    a = (ym + yp) / 2 - y0
    b = (yp - ym) / 2
    c = y0
    xe = -b / (2 * a)
    ye = (a * xe + b) * xe + c
    count = 0
    z1 = z2 = None
    q = b * b - 4 * a * c
    if q >= 0:
        dx = math.sqrt(q) / 2 / abs(a)
        z1 = xe - dx
        z2 = xe + dx
        if abs(z1) <= 1:
            count += 1
        if abs(z2) <= 1:
            count += 1
        if z1 < -1:
            z1 = z2
    return xe, ye, z1, z2, count


class Chebyshev:
    def __init__(self, degree, start, end, coeffs):
        self.n, self.a, self.b, self.c = degree, start, end, coeffs

    def __call__(self, t):
        x = (2 * t - self.a - self.b) / (self.b - self.a)
        y = 2 * x
        f1 = f2 = 0.0
        for j in range(self.n, 0, -1):
            f1, f2 = y * f1 - f2 + self.c[j], f1
        return x * f1 - f2 + self.c[0] / 2


# ---- rotations ----

def ecliptic_to_equatorial(v, T):
    eps = 23.43929111 - (46.815 + (0.00059 - 0.001813 * T) * T) * T / 3600
    c, s = cosd(eps), sind(eps)
    x, y, z = v
    return (x, c * y - s * z, s * y + c * z)


def apply_nutation(v, T):
    pi2 = 6.283185307
    ls = pi2 * frac_lin("0.993133", "99.997306", T)
    d = pi2 * frac_lin("0.827362", "1236.853087", T)
    f = pi2 * frac_lin("0.259089", "1342.227826", T)
    n = pi2 * frac_lin("0.347346", "-5.372447", T)
    eps = 0.4090928 - 0.00022696 * T
    dpsi = (-17.2 * math.sin(n) - 1.319 * math.sin(2 * (f - d + n)) - 0.227 * math.sin(2 * (f + n))
            + 0.206 * math.sin(2 * n) + 0.143 * math.sin(ls)) / 206264.8062
    deps = (9.203 * math.cos(n) + 0.574 * math.cos(2 * (f - d + n)) + 0.098 * math.cos(2 * (f + n))
            - 0.090 * math.cos(2 * n)) / 206264.8062
    c = dpsi * math.cos(eps)
    s = dpsi * math.sin(eps)
    x, y, z = v
    dx = -(c * y + s * z)
    dy = c * x - deps * z
    dz = s * x + deps * y
    return (x + dx, y + dy, z + dz)


def geocentric_site(lat):
    s = sind(lat)
    c = 1 / math.sqrt(1 - 0.006694 * s * s)
    return cosd(lat) * c, 0.993306 * c * s


# ---- the Sun ----

def combine(c1, s1, c2, s2):
    return c1 * c2 - s1 * s2, s1 * c2 + c1 * s2


SUN_TERMS = {
    "Venus": [
        (1, 0, 0, -0.22, 6892.76, -16707.37, -0.54, 0.00, 0.00),
        (1, 0, 1, -0.06, -17.35, 42.04, -0.15, 0.00, 0.00),
        (1, 0, 2, -0.01, -0.05, 0.13, -0.02, 0.00, 0.00),
        (2, 0, 0, 0.00, 71.98, -139.57, 0.00, 0.00, 0.00),
        (2, 0, 1, 0.00, -0.36, 0.70, 0.00, 0.00, 0.00),
        (3, 0, 0, 0.00, 1.04, -1.75, 0.00, 0.00, 0.00),
        (0, -1, 0, 0.03, -0.07, -0.16, -0.07, 0.02, -0.02),
        (1, -1, 0, 2.35, -4.23, -4.75, -2.64, 0.00, 0.00),
        (1, -2, 0, -0.10, 0.06, 0.12, 0.20, 0.02, 0.00),
        (2, -1, 0, -0.06, -0.03, 0.20, -0.01, 0.01, -0.09),
        (2, -2, 0, -4.70, 2.90, 8.28, 13.42, 0.01, -0.01),
        (3, -2, 0, 1.80, -1.74, -1.44, -1.57, 0.04, -0.06),
        (3, -3, 0, -0.67, 0.03, 0.11, 2.43, 0.01, 0.00),
        (4, -2, 0, 0.03, -0.03, 0.10, 0.09, 0.01, -0.01),
        (4, -3, 0, 1.51, -0.40, -0.88, -3.36, 0.18, -0.10),
        (4, -4, 0, -0.19, -0.09, -0.38, 0.77, 0.00, 0.00),
        (5, -3, 0, 0.76, -0.68, 0.30, 0.37, 0.01, 0.00),
        (5, -4, 0, -0.14, -0.04, -0.11, 0.43, -0.03, 0.00),
        (5, -5, 0, -0.05, -0.07, -0.31, 0.21, 0.00, 0.00),
        (6, -4, 0, 0.15, -0.04, -0.06, -0.21, 0.01, 0.00),
        (6, -5, 0, -0.03, -0.03, -0.09, 0.09, -0.01, 0.00),
        (6, -6, 0, 0.00, -0.04, -0.18, 0.02, 0.00, 0.00),
        (7, -5, 0, -0.12, -0.03, -0.08, 0.31, -0.02, -0.01)],
    "Mars": [
        (1, -1, 0, -0.22, 0.17, -0.21, -0.27, 0.00, 0.00),
        (1, -2, 0, -1.66, 0.62, 0.16, 0.28, 0.00, 0.00),
        (2, -2, 0, 1.96, 0.57, -1.32, 4.55, 0.00, 0.01),
        (2, -3, 0, 0.40, 0.15, -0.17, 0.46, 0.00, 0.00),
        (2, -4, 0, 0.53, 0.26, 0.09, -0.22, 0.00, 0.00),
        (3, -3, 0, 0.05, 0.12, -0.35, 0.15, 0.00, 0.00),
        (3, -4, 0, -0.13, -0.48, 1.06, -0.29, 0.01, 0.00),
        (3, -5, 0, -0.04, -0.20, 0.20, -0.04, 0.00, 0.00),
        (4, -4, 0, 0.00, -0.03, 0.10, 0.04, 0.00, 0.00),
        (4, -5, 0, 0.05, -0.07, 0.20, 0.14, 0.00, 0.00),
        (4, -6, 0, -0.10, 0.11, -0.23, -0.22, 0.00, 0.00),
        (5, -7, 0, -0.05, 0.00, 0.01, -0.14, 0.00, 0.00),
        (5, -8, 0, 0.05, 0.01, -0.02, 0.10, 0.00, 0.00)],
    "Jupiter": [
        (-1, -1, 0, 0.01, 0.07, 0.18, -0.02, 0.00, -0.02),
        (0, -1, 0, -0.31, 2.58, 0.52, 0.34, 0.02, 0.00),
        (1, -1, 0, -7.21, -0.06, 0.13, -16.27, 0.00, -0.02),
        (1, -2, 0, -0.54, -1.52, 3.09, -1.12, 0.01, -0.17),
        (1, -3, 0, -0.03, -0.21, 0.38, -0.06, 0.00, -0.02),
        (2, -1, 0, -0.16, 0.05, -0.18, -0.31, 0.01, 0.00),
        (2, -2, 0, 0.14, -2.73, 9.23, 0.48, 0.00, 0.00),
        (2, -3, 0, 0.07, -0.55, 1.83, 0.25, 0.01, 0.00),
        (2, -4, 0, 0.02, -0.08, 0.25, 0.06, 0.00, 0.00),
        (3, -2, 0, 0.01, -0.07, 0.16, 0.04, 0.00, 0.00),
        (3, -3, 0, -0.16, -0.03, 0.08, -0.64, 0.00, 0.00),
        (3, -4, 0, -0.04, -0.01, 0.03, -0.17, 0.00, 0.00)],
    "Saturn": [
        (0, -1, 0, 0.00, 0.32, 0.01, 0.00, 0.00, 0.00),
        (1, -1, 0, -0.08, -0.41, 0.97, -0.18, 0.00, -0.01),
        (1, -2, 0, 0.04, 0.10, -0.23, 0.10, 0.00, 0.00),
        (2, -2, 0, 0.04, 0.10, -0.35, 0.13, 0.00, 0.00)],
}
PLANET_ANOMALY = {"Venus": ("0.1387306", "162.5485917", 6), "Mars": ("0.0543250", "53.1666028", 8),
                  "Jupiter": ("0.0551750", "8.4293972", 4), "Saturn": ("0.8816500", "3.3938722", 2)}


def sun_ecliptic(T):
    p2 = 6.283185307
    me = p2 * frac_lin("0.9931266", "99.9973604", T)
    d = p2 * frac_lin("0.8274", "1236.8531", T)
    mm = p2 * frac_lin("0.3749", "1325.5524", T)
    fm = p2 * frac_lin("0.2591", "1342.2278", T)
    ce, se = {0: 1.0, 1: math.cos(me)}, {0: 0.0, 1: math.sin(me)}
    for i in range(2, 8):
        ce[i], se[i] = combine(ce[i - 1], se[i - 1], ce[1], se[1])
    ce[-1], se[-1] = ce[1], -se[1]
    sl = sr = sb = 0.0
    for planet in ("Venus", "Mars", "Jupiter", "Saturn"):
        a, b, jmax = PLANET_ANOMALY[planet]
        mp = p2 * frac_lin(a, b, T)
        cp, sp = {0: 1.0, -1: math.cos(mp)}, {0: 0.0, -1: -math.sin(mp)}
        for j in range(-2, -jmax - 1, -1):
            cp[j], sp[j] = combine(cp[j + 1], sp[j + 1], cp[-1], sp[-1])
        u = v = 0.0
        for i, j, t, lc, ls, rc, rs, bc, bs in SUN_TERMS[planet]:
            if t == 0:
                u, v = combine(ce[i], se[i], cp[j], sp[j])
            else:
                u, v = u * T, v * T
            sl += lc * u + ls * v
            sr += rc * u + rs * v
            sb += bc * u + bs * v
    sl += (6.45 * math.sin(d) - 0.42 * math.sin(d - mm) + 0.18 * math.sin(d + mm)
           + 0.17 * math.sin(d - me) - 0.06 * math.sin(d + me))
    sr += (30.76 * math.cos(d) - 3.06 * math.cos(d - mm) + 0.85 * math.cos(d + mm)
           - 0.58 * math.cos(d + me) + 0.57 * math.cos(d - me))
    sb += 0.576 * math.sin(fm)
    sl += (6.40 * math.sin(p2 * (0.6983 + 0.0561 * T)) + 1.87 * math.sin(p2 * (0.5764 + 0.4174 * T))
           + 0.27 * math.sin(p2 * (0.4189 + 0.3306 * T)) + 0.20 * math.sin(p2 * (0.3581 + 2.4814 * T)))
    lon = 360 * frac(0.7859453 + me / p2 + ((6191.2 + 1.1 * T) * T + sl) / 1296000)
    r = 1.0001398 - 0.0000007 * T + sr * 1e-6
    return lon, sb / 3600, r


def to_true_equatorial(r, lat, lon, T):
    v = polar_to_cartesian(r, lat, lon)
    v = ecliptic_to_equatorial(v, T)
    v = apply_nutation(v, T)
    dist, dec, ra = cartesian_to_polar(*v)
    return ra, dec, dist


def sun_equatorial(T):
    lon, lat, r = sun_ecliptic(T - 1.581869343676325e-7)
    return to_true_equatorial(r, lat, lon, T)


def chebyshev_fit(position, ta, tb, n):
    """Three fits (right ascension, declination, distance) of degree n over [ta, tb]."""
    half = (tb - ta) / 2
    mid = (tb + ta) / 2
    fac = 2 / (n + 1)
    pi = 3.1415926535898

    def cosines(phi):
        h = [1.0, math.cos(phi)]
        for k in range(2, 2 * n + 2):
            h.append(2 * h[1] * h[k - 1] - h[k - 2])
        return h

    h = cosines(pi / (2 * n + 2))
    values = [position(mid + half * h[2 * k - 1]) for k in range(1, n + 2)]
    ra = [v[0] for v in values]
    for k in range(n):
        if ra[k] < ra[k + 1]:
            ra[k + 1] -= 360
    columns = (ra, [v[1] for v in values], [v[2] for v in values])
    coeffs = ([], [], [])
    for j in range(n + 1):
        hj = cosines(pi * j / (2 * n + 2)) if j > 0 else [1.0] * (2 * n + 2)
        for col, out in zip(columns, coeffs):
            out.append(fac * sum(hj[2 * k - 1] * col[k - 1] for k in range(1, n + 2)))
    return tuple(Chebyshev(n, ta, tb, c) for c in coeffs)


# ---- the Moon ----

MOON_P2 = 6.283185308
ARCSEC = 206264.81


def sin_rev(a, b, T):
    return math.sin(MOON_P2 * frac_lin(a, b, T))


MOON_SOLAR_TERMS = [
    (0, 0, 0, 4, 13.902, 14.06, -0.001, 0.2607), (0, 0, 0, 3, 0.403, -4.01, 0.394, 0.0023),
    (0, 0, 0, 2, 2369.912, 2373.36, 0.601, 28.2333), (0, 0, 0, 1, -125.154, -112.79, -0.725, -0.9781),
    (1, 0, 0, 4, 1.979, 6.98, -0.445, 0.0433), (1, 0, 0, 2, 191.953, 192.72, 0.029, 3.0861),
    (1, 0, 0, 1, -8.466, -13.51, 0.455, -0.1093), (1, 0, 0, 0, 22639.500, 22609.07, 0.079, 186.5398),
    (1, 0, 0, -1, 18.609, 3.59, -0.094, 0.0118), (1, 0, 0, -2, -4586.465, -4578.13, -0.077, 34.3117),
    (1, 0, 0, -3, 3.215, 5.44, 0.192, -0.0386), (1, 0, 0, -4, -38.428, -38.64, 0.001, 0.6008),
    (1, 0, 0, -6, -0.393, -1.43, -0.092, 0.0086), (0, 1, 0, 4, -0.289, -1.59, 0.123, -0.0053),
    (0, 1, 0, 2, -24.420, -25.10, 0.040, -0.3000), (0, 1, 0, 1, 18.023, 17.93, 0.007, 0.1494),
    (0, 1, 0, 0, -668.146, -126.98, -1.302, -0.3997), (0, 1, 0, -1, 0.560, 0.32, -0.001, -0.0037),
    (0, 1, 0, -2, -165.145, -165.06, 0.054, 1.9178), (0, 1, 0, -4, -1.877, -6.46, -0.416, 0.0339),
    (2, 0, 0, 4, 0.213, 1.02, -0.074, 0.0054), (2, 0, 0, 2, 14.387, 14.78, -0.017, 0.2833),
    (2, 0, 0, 1, -0.586, -1.20, 0.054, -0.0100), (2, 0, 0, 0, 769.016, 767.96, 0.107, 10.1657),
    (2, 0, 0, -1, 1.750, 2.01, -0.018, 0.0155), (2, 0, 0, -2, -211.656, -152.53, 5.679, -0.3039),
    (2, 0, 0, -3, 1.225, 0.91, -0.030, -0.0088), (2, 0, 0, -4, -30.773, -34.07, -0.308, 0.3722),
    (2, 0, 0, -6, -0.570, -1.40, -0.074, 0.0109), (1, 1, 0, 2, -2.921, -11.75, 0.787, -0.0484),
    (1, 1, 0, 1, 1.267, 1.52, -0.022, 0.0164), (1, 1, 0, 0, -109.673, -115.18, 0.461, -0.9490),
    (1, 1, 0, -2, -205.962, -182.36, 2.056, 1.4437), (1, 1, 0, -3, 0.233, 0.36, 0.012, -0.0025),
    (1, 1, 0, -4, -4.391, -9.66, -0.471, 0.0673),
    (1, -1, 0, 4, 0.283, 1.53, -0.111, 0.0060), (1, -1, 0, 2, 14.577, 31.70, -1.540, 0.2302),
    (1, -1, 0, 0, 147.687, 138.76, 0.679, 1.1528), (1, -1, 0, -1, -1.089, 0.55, 0.021, 0.0000),
    (1, -1, 0, -2, 28.475, 23.59, -0.443, -0.2257), (1, -1, 0, -3, -0.276, -0.38, -0.006, -0.0036),
    (1, -1, 0, -4, 0.636, 2.27, 0.146, -0.0102), (0, 2, 0, 2, -0.189, -1.68, 0.131, -0.0028),
    (0, 2, 0, 0, -7.486, -0.66, -0.037, -0.0086), (0, 2, 0, -2, -8.096, -16.35, -0.740, 0.0918),
    (0, 0, 2, 2, -5.741, -0.04, 0.000, -0.0009), (0, 0, 2, 1, 0.255, 0.00, 0.000, 0.0000),
    (0, 0, 2, 0, -411.608, -0.20, 0.000, -0.0124), (0, 0, 2, -1, 0.584, 0.84, 0.000, 0.0071),
    (0, 0, 2, -2, -55.173, -52.14, 0.000, -0.1052), (0, 0, 2, -3, 0.254, 0.25, 0.000, -0.0017),
    (0, 0, 2, -4, 0.025, -1.67, 0.000, 0.0031), (3, 0, 0, 2, 1.060, 2.96, -0.166, 0.0243),
    (3, 0, 0, 0, 36.124, 50.64, -1.300, 0.6215), (3, 0, 0, -2, -13.193, -16.40, 0.258, -0.1187),
    (3, 0, 0, -4, -1.187, -0.74, 0.042, 0.0074), (3, 0, 0, -6, -0.293, -0.31, -0.002, 0.0046),
    (2, 1, 0, 2, -0.290, -1.45, 0.116, -0.0051), (2, 1, 0, 0, -7.649, -10.56, 0.259, -0.1038),
    (2, 1, 0, -2, -8.627, -7.59, 0.078, -0.0192), (2, 1, 0, -4, -2.740, -2.54, 0.022, 0.0324),
    (2, -1, 0, 2, 1.181, 3.32, -0.212, 0.0213), (2, -1, 0, 0, 9.703, 11.67, -0.151, 0.1268),
    (2, -1, 0, -1, -0.352, -0.37, 0.001, -0.0028), (2, -1, 0, -2, -2.494, -1.17, -0.003, -0.0017),
    (2, -1, 0, -4, 0.360, 0.20, -0.012, -0.0043), (1, 2, 0, 0, -1.167, -1.25, 0.008, -0.0106),
    (1, 2, 0, -2, -7.412, -6.12, 0.117, 0.0484), (1, 2, 0, -4, -0.311, -0.65, -0.032, 0.0044),
    (1, -2, 0, 2, 0.757, 1.82, -0.105, 0.0112), (1, -2, 0, 0, 2.580, 2.32, 0.027, 0.0196),
    (1, -2, 0, -2, 2.533, 2.40, -0.014, -0.0212), (0, 3, 0, -2, -0.344, -0.57, -0.025, 0.0036),
    (1, 0, 2, 2, -0.992, -0.02, 0.000, 0.0000), (1, 0, 2, 0, -45.099, -0.02, 0.000, -0.0010),
    (1, 0, 2, -2, -0.179, -9.52, 0.000, -0.0833), (1, 0, 2, -4, -0.301, -0.33, 0.000, 0.0014),
    (1, 0, -2, 2, -6.382, -3.37, 0.000, -0.0481), (1, 0, -2, 0, 39.528, 85.13, 0.000, -0.7136),
    (1, 0, -2, -2, 9.366, 0.71, 0.000, -0.0112), (1, 0, -2, -4, 0.202, 0.02, 0.000, 0.0000),
    (0, 1, 2, 0, 0.415, 0.10, 0.000, 0.0013), (0, 1, 2, -2, -2.152, -2.26, 0.000, -0.0066),
    (0, 1, -2, 2, -1.440, -1.30, 0.000, 0.0014), (0, 1, -2, -2, 0.384, -0.04, 0.000, 0.0000),
    (4, 0, 0, 0, 1.938, 3.60, -0.145, 0.0401), (4, 0, 0, -2, -0.952, -1.58, 0.052, -0.0130),
    (3, 1, 0, 0, -0.551, -0.94, 0.032, -0.0097), (3, 1, 0, -2, -0.482, -0.57, 0.005, -0.0045),
    (3, -1, 0, 0, 0.681, 0.96, -0.026, 0.0115), (2, 2, 0, -2, -0.297, -0.27, 0.002, -0.0009),
    (2, -2, 0, -2, 0.254, 0.21, -0.003, 0.0000), (1, 3, 0, -2, -0.250, -0.22, 0.004, 0.0014),
    (2, 0, 2, 0, -3.996, 0.00, 0.000, 0.0004), (2, 0, 2, -2, 0.557, -0.75, 0.000, -0.0090),
    (2, 0, -2, 2, -0.459, -0.38, 0.000, -0.0053), (2, 0, -2, 0, -1.298, 0.74, 0.000, 0.0004),
    (2, 0, -2, -2, 0.538, 1.14, 0.000, -0.0141), (1, 1, 2, 0, 0.263, 0.02, 0.000, 0.0000),
    (1, 1, -2, -2, 0.426, 0.07, 0.000, -0.0006), (1, -1, 2, 0, -0.304, 0.03, 0.000, 0.0003),
    (1, -1, -2, 2, -0.372, -0.19, 0.000, -0.0027), (0, 0, 4, 0, 0.418, 0.00, 0.000, 0.0000),
    (3, 0, 2, 0, -0.330, -0.04, 0.000, 0.0000)]

MOON_LATITUDE_TERMS = [
    (0, 0, 1, -2, -526.069), (0, 0, 1, -4, -3.352), (1, 0, 1, -2, 44.297), (1, 0, 1, -4, -6.000),
    (-1, 0, 1, 0, 20.599), (-1, 0, 1, -2, -30.598), (-2, 0, 1, 0, -24.649), (-2, 0, 1, -2, -2.000),
    (0, 1, 1, -2, -22.571), (0, -1, 1, -2, 10.985)]

MOON_PLANETARY = [(0.82, "0.7736", "-62.5512"), (0.31, "0.0466", "-125.1025"), (0.35, "0.5785", "-25.1042"),
                  (0.66, "0.4591", "1335.8075"), (0.64, "0.3130", "-91.5680"), (1.14, "0.1480", "1331.2898"),
                  (0.21, "0.5918", "1056.5859"), (0.44, "0.5784", "1322.8595"), (0.24, "0.2275", "-5.7374"),
                  (0.28, "0.2965", "2.6929"), (0.33, "0.3132", "6.3368")]


def moon_ecliptic(T):
    w = [sin_rev(a, b, T) for a, b in (("0.19833", "0.05611"), ("0.27869", "0.04508"),
                                       ("0.16827", "-0.36903"), ("0.34734", "-5.37261"),
                                       ("0.10498", "-5.37899"), ("0.42681", "-0.41855"),
                                       ("0.14943", "-5.37511"))]
    w1, w2, w3, w4, w5, w6, w7 = w
    dl0 = 0.84 * w1 + 0.31 * w2 + 14.27 * w3 + 7.26 * w4 + 0.28 * w5 + 0.24 * w6
    dl = 2.94 * w1 + 0.31 * w2 + 14.27 * w3 + 9.34 * w4 + 1.12 * w5 + 0.83 * w6
    dls = -6.40 * w1 - 1.89 * w6
    df = 0.21 * w1 + 0.31 * w2 + 14.27 * w3 - 88.70 * w4 - 15.30 * w5 + 0.24 * w6 - 1.86 * w7
    dd = dl0 - dls
    dgam = (-3.332e-6 * sin_rev("0.59734", "-5.37261", T) - 5.39e-7 * sin_rev("0.35498", "-5.37899", T)
            - 6.4e-8 * sin_rev("0.39943", "-5.37511", T))
    T2 = T * T
    l0 = MOON_P2 * frac_lin("0.60643382", "1336.85522467", T, -0.00000313 * T2) + dl0 / ARCSEC
    l = MOON_P2 * frac_lin("0.37489701", "1325.55240982", T, 0.00002565 * T2) + dl / ARCSEC
    ls = MOON_P2 * frac_lin("0.99312619", "99.99735956", T, -0.00000044 * T2) + dls / ARCSEC
    f = MOON_P2 * frac_lin("0.25909118", "1342.2278298", T, -0.00000892 * T2) + df / ARCSEC
    d = MOON_P2 * frac_lin("0.82736186", "1236.85308708", T, -0.00000397 * T2) + dd / ARCSEC
    tables = []
    for x, m, g in ((l, 4, 1.000002208), (ls, 3, 0.997504612 - 0.002495388 * T),
                    (f, 4, 1.000002708 + 139.978 * dgam), (d, 6, 1.0)):
        tc, ts = {0: 1.0, 1: g * math.cos(x)}, {0: 0.0, 1: g * math.sin(x)}
        for j in range(2, m + 1):
            tc[j], ts[j] = combine(tc[j - 1], ts[j - 1], tc[1], ts[1])
        for j in range(1, m + 1):
            tc[-j], ts[-j] = tc[j], -ts[j]
        tables.append((tc, ts))

    def term(ks):
        X, Y = 1.0, 0.0
        for k, (tc, ts) in zip(ks, tables):
            if k != 0:
                X, Y = combine(X, Y, tc[k], ts[k])
        return X, Y

    sl = ss = sg = 0.0
    sp = 3422.7
    for p, q, r, s, cl, cs, cg, cp in MOON_SOLAR_TERMS:
        X, Y = term((p, q, r, s))
        sl += cl * Y
        ss += cs * Y
        sg += cg * X
        sp += cp * X
    sn = 0.0
    for p, q, r, s, cn in MOON_LATITUDE_TERMS:
        X, Y = term((p, q, r, s))
        sn += cn * Y
    for amp, a, b in MOON_PLANETARY:
        sl += amp * sin_rev(a, b, T)
    lam = 360 * frac((l0 + sl / ARCSEC) / MOON_P2)
    S = f + ss / ARCSEC
    g = 1.000002708 + 139.978 * dgam
    beta = (g * (18519.7 + sg) * math.sin(S) - 6.24 * math.sin(3 * S) + sn) / 3600
    sp = sp * 0.999953253
    return lam, beta, ARCSEC / sp


def moon_equatorial(T):
    lam, beta, r = moon_ecliptic(T)
    return to_true_equatorial(r, beta, lam, T)
