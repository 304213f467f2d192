"""The Moon's shadow on the Earth: the central line in 15-second steps and the local circumstances
(contacts, maximum, magnitude, obscuration) at an observing place."""
import math
from fractions import Fraction

import deltat
import ephem as E
from numfmt import format_number

CENTURY_6H = 6.844626967830253e-6
MARGIN = 1.14e-6
STEP = 0.25 / 1440 / 36525
SIX_SECONDS = 6 / 86400 / 36525
FLATTENING = 0.996633


class Fits:
    def __init__(self, ta, tb, moon_degree, sun_degree):
        self.moon = E.chebyshev_fit(E.moon_equatorial, ta, tb, moon_degree)
        self.sun = E.chebyshev_fit(E.sun_equatorial, ta, tb, sun_degree)

    def at(self, t):
        return tuple(f(t) for f in self.moon), tuple(f(t) for f in self.sun)


# ---- central line ----

def shadow_axis(moon, sun):
    """(class, e, surface point, surface umbra, U, P) of one instant."""
    mra, mdec, mr = moon
    sra, sdec, sr = sun
    m = list(E.polar_to_cartesian(mr, mdec, mra))
    s = list(E.polar_to_cartesian(sr * 23454.78, sdec, sra))
    m[2] /= FLATTENING
    s[2] /= FLATTENING
    d = (m[0] - s[0], m[1] - s[1], m[2] - s[2])
    dist = E.norm(d)
    e = (d[0] / dist, d[1] / dist, d[2] / dist)
    s0 = -E.dot(m, e)
    U = 217.705 * s0 / dist - 0.545
    P = 218.795 * s0 / dist + 0.545
    q = s0 * s0 + 1 - E.dot(m, m)
    w = math.sqrt(1 - q)
    if w < 1:
        s = s0 - math.sqrt(q)
        us = 217.705 * s / dist - 0.545
        point = (m[0] + s * e[0], m[1] + s * e[1], (m[2] + s * e[2]) * FLATTENING)
        return (4 if us > 0 else 5), e, point, us, U, P
    if w < 1 + abs(U) / 2:
        cls = 2 if U > 0 else 3
    elif w < 1 + P / 2:
        cls = 1
    else:
        cls = 0
    return cls, e, None, None, U, P


def central_line(day, month, year, hours):
    """Rows of the central-line list, each with a note of how close its printed fields came to a
    rounding edge (for telling precision effects from faults)."""
    h = math.trunc(hours * 60 / 0.25 + 0.5) * 0.25 / 60
    t0 = (E.modified_julian_date(day, month, year, h) - 51544.5) / 36525
    ts, te = t0 - CENTURY_6H, t0 + CENTURY_6H
    dt = deltat.delta_t_days(year) / 36525
    fits = Fits(ts - MARGIN, te + MARGIN, 8, 3)
    rows = []
    t = ts
    while True:
        te_ = t + dt
        cls, e, pt, us, U, P = shadow_axis(*fits.at(te_))
        if cls >= 4:
            rows.append(_central_row(fits, t, te_, e, pt, us))
        t = t + STEP
        if t > te:
            break
    return rows


def _central_row(fits, t, tE, e, pt, us):
    X, Y, Z = pt
    lat_c = E.atan2d(Z, math.sqrt(X * X + Y * Y))
    ra = E.atan2d(Y, X)
    if ra < 0:
        ra += 360
    lat = lat_c + 0.1924 * E.sind(2 * lat_c)
    gmst = E.local_sidereal_time(36525 * t + 51544.5, 0)
    lon = 15 * gmst - ra
    if lon > 180:
        lon -= 360
    if lon < -180:
        lon += 360
    duration = 0.0
    for sign in (1, -1):
        cls2, _, pt2, _, _, _ = shadow_axis(*fits.at(tE + sign * SIX_SECONDS))
        if cls2 >= 4:
            a = sign * 0.00043755
            dx = (pt2[0] - X) + a * Y
            dy = (pt2[1] - Y) - a * X
            dz = pt2[2] - Z
            de = dx * e[0] + dy * e[1] + dz * e[2]
            v = math.sqrt(dx * dx + dy * dy + dz * dz - de * de)
            duration = abs(us) * 0.1 / v
            break
    _, _, _, hrs = E.calendar_from_mjd(36525 * t + 51544.5)
    hh, mm, ss = E.degrees_to_dms(hrs + 1 / 120)
    sec = format_number(ss, 1, 0)
    if sec == "60":
        sec = "0"
        mm += 1
        if format_number(mm, 1, 0) == "60":
            mm = 0
            hh += 1
    time_text = "%d:%s:%s" % (hh, format_number(mm, 1, 0).rjust(2, "0"), sec.rjust(2, "0"))
    d, m, _ = E.degrees_to_dms(lat)
    lat_text = _dm_text(d, m)
    d, m, _ = E.degrees_to_dms(lon)
    if d != 0:
        d = -d
    else:
        m = -m
    lon_text = _dm_text(d, m)
    text = "\t".join((time_text, lat_text, lon_text, format_number(duration, 7, 1)))
    # Closeness to an edge: minutes of arc are cut, duration rounded to 0.1, seconds rounded.
    edges = {"lat": _cut_edge(lat * 60), "lon": _cut_edge(lon * 60),
             "dur": abs((duration * 10) % 1 - 0.5), "sec": abs(ss % 1 - 0.5)}
    return text, edges


def _cut_edge(x):
    f = abs(x) % 1
    return min(f, 1 - f)


def _dm_text(d, m):
    minutes = format_number(m, 1, 1)
    if len(minutes) < 2:
        minutes = "0" + minutes
    return format_number(d, 1, 0) + "°" + minutes


# ---- local circumstances ----

HALF_STEP = 0.1 / 876600
QUARTER_HOUR = 2.8519279032626056e-7


class Site:
    def __init__(self, fits, dt, lat, east_lon):
        self.fits, self.dt = fits, dt
        self.west = -east_lon
        self.rc, self.rs = E.geocentric_site(lat)

    def elements(self, t):
        (mra, mdec, mr), (sra, sdec, sr) = self.fits.at(t + self.dt)
        M = E.polar_to_cartesian(mr, mdec, mra)
        S = E.polar_to_cartesian(sr * 23454.77992, sdec, sra)
        d = (S[0] - M[0], S[1] - M[1], S[2] - M[2])
        D = E.norm(d)
        k = (d[0] / D, d[1] / D, d[2] / D)
        n = math.sqrt(k[0] * k[0] + k[1] * k[1])
        i = (-k[1] / n, k[0] / n, 0.0)
        j = E.cross(k, i)
        x, y, z = E.dot(M, i), E.dot(M, j), E.dot(M, k)
        f1 = E.asind(109.3952076 / D)
        l1 = 109.3952076 * z / D + 0.2725076
        f2 = E.asind(108.8501924 / D)
        l2 = 108.8501924 * z / D - 0.2725076
        theta = 15 * E.local_sidereal_time(36525 * t + 51544.5, self.west)
        r = (self.rc * E.cosd(theta), self.rc * E.sind(theta), self.rs)
        xi, eta, zeta = E.dot(r, i), E.dot(r, j), E.dot(r, k)
        L1 = l1 - zeta * E.tand(f1)
        L2 = l2 - zeta * E.tand(f2)
        return x, y, xi, eta, L1, L2

    def contact(self, t, umbral):
        x, y, xi, eta, L1, L2 = self.elements(t)
        L = L2 if umbral else L1
        return (x - xi) ** 2 + (y - eta) ** 2 - L * L


def solve_bracketed(F, a, b, tol):
    x0, x1 = a, b
    f0, f1 = F(x0), F(x1)
    result = x0
    if f0 * f1 >= 0:
        return result
    for _ in range(30):
        x2 = x1 - f1 * (x1 - x0) / (f1 - f0)
        f2 = F(x2)
        if f2 * f1 > 0:
            f0 = f0 * f1 / (f1 + f2)
        else:
            x0, f0 = x1, f1
        x1, f1 = x2, f2
        result = x0 if abs(f0) < abs(f1) else x1
        if abs(x1 - x0) <= tol:
            break
    return result


def least_distance_time(site, tv, h):
    """Golden-section search for the least distance from the shadow axis within tv +- h, to 0.01 s."""
    def distance(t):
        x, y, xi, eta, _, _ = site.elements(t)
        return math.hypot(xi - x, eta - y)

    g = (math.sqrt(5.0) - 1) / 2
    a, b = tv - h, tv + h
    c, d = a + (1 - g) * (b - a), a + g * (b - a)
    fc, fd = distance(c), distance(d)
    tol = 0.01 / (86400 * 36525)
    for _ in range(100):
        if abs(b - a) <= tol:
            break
        if fc <= fd:
            b, d, fd = d, c, fc
            c = a + (1 - g) * (b - a)
            fc = distance(c)
        else:
            a, c, fc = c, d, fd
            d = a + g * (b - a)
            fd = distance(d)
    return c if fc <= fd else d


def local_circumstances(day, month, year, hours, lat, east_lon):
    """The lines of the local-circumstances list and a list of near-edge notes."""
    T = (E.modified_julian_date(day, month, year, hours) - 51544.5) / 36525
    dt = deltat.delta_t_days(year) / 36525
    site = Site(Fits(T - 5e-5, T + 5e-5, 8, 8), dt, lat, east_lon)
    h = HALF_STEP
    contacts = [T, T, T, T]
    tmax = T
    n = 0
    p = site.contact(T - 51 * h, False)
    # The window centres are summed exactly: in doubles, fifty-one additions of 12 minutes can end
    # a hair below T + 300 min and let one more window (centred at T + 312 min) through.
    s_exact = Fraction(T) - 52 * Fraction(h)
    end = Fraction(T) + 50 * Fraction(h)
    while True:
        s_exact += 2 * Fraction(h)
        s = float(s_exact)
        ym, y0, yp = p, site.contact(s, False), site.contact(s + h, False)
        p = yp
        xv, _, z1, z2, r = E.quadratic_interpolation(ym, y0, yp)
        n += r
        if r == 1:
            if n == 1:
                contacts[0] = s + z1 * h
            else:
                contacts[3] = s + z1 * h
        elif r == 2:
            contacts[0] = s + z1 * h
            contacts[3] = s + z2 * h
        if -1 < xv < 1:
            tmax = s + xv * h
        if not (s_exact < end and n != 2):
            break
    if n == 0:
        return ["Am Beobachtungsort nicht zu sehen"], []
    tmax = least_distance_time(site, tmax, h)
    kind = 1
    x, y, xi, eta, L1, L2 = site.elements(tmax)
    m = math.sqrt((xi - x) ** 2 + (eta - y) ** 2)
    if m < L2:
        kind = 2
    if -L2 > m:
        kind = 3
    notes = []
    if abs(m - L2) < 1e-9 or abs(m + L2) < 1e-9:
        notes.append("kind test within 1e-9")
    if kind == 1:
        mag = (L1 - m) / (L1 + L2)
        ca = max(-1.0, min(1.0, (L1 * L2 + m * m) / (m * (L1 + L2))))
        cb = max(-1.0, min(1.0, (L1 * L1 + L2 * L2 - 2 * m * m) / (L1 * L1 - L2 * L2)))
        c = E.acosd(ca) * 0.017453292519943295
        B = E.acosd(cb) * 0.017453292519943295
        A = math.pi - (c + B)
        q = (L1 - L2) / (L1 + L2)
        obsc = (q * q * A + c - q * math.sin(B)) / math.pi
    else:
        mag = (L1 - L2) / (L1 + L2)
        obsc = mag * mag if kind == 2 else 1.0
    if kind >= 2:
        F = lambda t: site.contact(t, True)
        contacts[1] = solve_bracketed(F, tmax - QUARTER_HOUR, tmax, 1e-10)
        contacts[2] = solve_bracketed(F, tmax, tmax + QUARTER_HOUR, 1e-10)
    for value, dec, what in ((mag, 3, "magnitude"), (obsc, 2, "obscuration")):
        if abs((abs(value) * 10 ** dec) % 1 - 0.5) < 1e-6:
            notes.append("%s %.9f near a rounding tie" % (what, value))
    head = {1: "Partielle Finsternis mit M=", 2: "Ringfoermige Finsternis mit M=",
            3: "Totale Finsternis mit M="}[kind] + format_number(mag, 5, 3)
    if kind != 3:
        head += " (" + format_number(obsc, 4, 2) + ")"
    lines = [head]
    _, _, _, hh, mi, se, edge = _clock(tmax)
    if edge < 1e-5:
        notes.append("maximum seconds near .5")
    lines.append("Maximum um %s:%s:%s UT" % (format_number(hh, 2, 0), format_number(mi, 2, 0),
                                           format_number(se, 2, 0)))
    for idx in ((0, 3) if kind == 1 else (0, 1, 2, 3)):
        dd, mo, yy, hh, mi, se, edge = _clock(contacts[idx])
        if edge < 1e-5:
            notes.append("contact %d seconds near .5" % (idx + 1))
        lines.append("%s. Kontakt: %s.%s.%s %s:%s:%s UT" % (
            format_number(idx + 1, 1, 0), format_number(dd, 2, 0), format_number(mo, 2, 0),
            format_number(yy, 4, 0), format_number(hh, 3, 0), format_number(mi, 3, 0),
            format_number(se, 3, 0)))
    return lines, notes


def _clock(t):
    dd, mo, yy, hours = E.calendar_from_mjd(36525 * t + 51544.5)
    hh, mi, s = E.degrees_to_dms(hours)
    se = math.trunc(s + 0.5)
    edge = abs((s % 1) - 0.5)
    if se == 60:
        se = 0
        mi += 1
    if mi == 60:
        mi = 0
        hh += 1
    return dd, mo, yy, hh, mi, se, edge
