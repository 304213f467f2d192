"""Eclipse catalogue: calendar, lunation series, eclipse search and the eclipse-list walk.

The catalogue works in 80-bit reals. Here the polynomial parts (Julian Dates, mean arguments) are
exact rationals and only the periodic corrections are doubles, so the instant of greatest eclipse is
accurate to far below a millisecond and the cut seconds of a row can be trusted."""
import math
from fractions import Fraction as Fr

GREGORIAN_SWITCH_JD = Fr(4598321, 2)  # 2299160.5
DATE_SERIAL_OFFSET = Fr(4830037, 2)  # 2415018.5
SERIAL_2000 = 36526

KIND_TEXT = {1: "partiell", 2: "nicht zentral", 3: "ringförmig", 4: "total-ringförmig",
             5: "total", 6: "Halbschatten"}


def D(text):
    """An exact decimal constant."""
    return Fr(text)


def _trunc(x):
    return int(x)  # toward zero, also for Fractions


def _round_half_even(x):
    return round(x)  # Fraction.__round__ and float.__round__ both go to even


def normalize_degrees_exact(x):
    r = x - 360 * _round_half_even(x / 360)
    while r < 0:
        r += 360
    return r


def sin_deg(x):
    return math.sin(math.radians(float(normalize_degrees_exact(x))))


def cos_deg(x):
    return math.cos(math.radians(float(normalize_degrees_exact(x))))


# ---- calendar ----

def _calendar_to_jd(year, month, day, gregorian):
    if year == 0 or year > 9999:
        return Fr(0)
    if month < 3:
        m, y = month + 12, year - 1
    else:
        m, y = month, year
    if m in (4, 6, 9, 11):
        ok = 1 <= day <= 30
    elif m == 14:
        yy = y + 1
        leap = (yy % 4 == 0) if not gregorian else (yy % 4 == 0 and yy % 100 != 0) or yy % 400 == 0
        ok = 1 <= day <= (29 if leap else 28)
    elif m in (3, 5, 7, 8, 10, 12, 13):
        ok = 1 <= day <= 31
    else:
        ok = True
    if not ok:
        raise ValueError("Fehler!")
    b = 0
    if gregorian:
        a = _trunc(Fr(y, 100))
        b = 2 - a + _trunc(Fr(a, 4))
    return (_trunc(D("365.25") * (y + 4716)) + _trunc(D("30.6001") * (m + 1)) + day + b) - D("1524.5")


def calendar_to_jd(year, month, day, switch=GREGORIAN_SWITCH_JD):
    j = _calendar_to_jd(year, month, day, False)
    if j < switch:
        return j
    return _calendar_to_jd(year, month, day, True)


def jd_to_calendar(jd, switch=GREGORIAN_SWITCH_JD):
    """(year, month, day) of the calendar in force at jd (exact rational jd)."""
    julian = switch > jd
    z = _trunc(jd + Fr(1, 2))
    if julian:
        b = z + 1524
    else:
        alpha = _trunc((z - D("1867216.25")) / D("36524.25"))
        b = z + 1 + alpha - _trunc(Fr(alpha, 4)) + 1524
    c = _trunc((b - D("122.1")) / D("365.25"))
    d = _trunc(D("365.25") * c)
    e = _trunc((b - d) / D("30.6001"))
    day = b - d - _trunc(D("30.6001") * e)
    if e < 14:
        return c - 4716, e - 1, day
    return c - 4715, e - 13, day


def jd_to_date_serial(jd):
    return float(jd - DATE_SERIAL_OFFSET)  # correctly rounded to a double


def gregorian_date_serial(year, month, day):
    """The platform's proleptic Gregorian date serial (days since 1899-12-30)."""
    return float(_calendar_to_jd(year, month, day, True) - DATE_SERIAL_OFFSET)


# ---- lunations ----

def compute_lunation(serial, phase_eighths):
    td = (Fr(serial) - SERIAL_2000) / 36525
    k = _round_half_even(D("1236.85") * td) + Fr(phase_eighths, 8)
    t = k / D("1236.85")
    t2, t3, t4 = t * t, t * t * t, t ** 4
    jde = D("2451550.09765") + D("29.530588853") * k + D("0.0001337") * t2 - D("0.000000150") * t3 \
        + D("0.00000000073") * t4
    m = D("2.5534") + D("29.10535669") * k - D("0.0000218") * t2 - D("0.00000011") * t3
    m1 = D("201.5643") + D("385.81693528") * k + D("0.0107438") * t2 + D("0.00001239") * t3 \
        - D("0.000000058") * t4
    f = D("160.7108") + D("390.67050274") * k - D("0.0016341") * t2 - D("0.00000227") * t3 \
        + D("0.000000011") * t4
    om = D("124.7746") - D("1.5637558") * k + D("0.0020691") * t2 + D("0.00000215") * t3
    e = float(1 - D("0.002516") * td - D("0.0000074") * td * td)
    return dict(k=k, T=t, JDE=jde, M=m, M1=m1, F=f, Omega=om, E=e)


def classify_lunation(time, solar=True):
    """Returns (kind, new time, gamma, u, near_threshold)."""
    el = compute_lunation(time, 0 if solar else 4)
    k, T, jde, M, M1, F, Om, E = (el[n] for n in ("k", "T", "JDE", "M", "M1", "F", "Omega", "E"))
    if abs(sin_deg(F)) > 0.36:
        return 0, jd_to_date_serial(jde), None, None, abs(abs(sin_deg(F)) - 0.36) < 1e-12
    F1 = F - Fr(0.02665 * sin_deg(Om))
    A1 = D("299.77") + D("0.107408") * k - D("0.009173") * T * T
    sM1, sM = sin_deg(M1), sin_deg(M)
    terms = [(-0.4075 * sM1) if solar else (-0.4065 * sM1),
             (0.1721 * E * sM) if solar else (0.1727 * E * sM),
             0.0161 * sin_deg(2 * M1), -0.0097 * sin_deg(2 * F1), 0.0073 * E * sin_deg(M1 - M),
             -0.0050 * E * sin_deg(M1 + M), -0.0023 * sin_deg(M1 - 2 * F1), 0.0021 * E * sin_deg(2 * M),
             0.0012 * sin_deg(M1 + 2 * F1), 0.0006 * E * sin_deg(2 * M1 + M), -0.0004 * sin_deg(3 * M1),
             -0.0003 * E * sin_deg(M + 2 * F1), 0.0003 * sin_deg(A1), -0.0002 * E * sin_deg(M - 2 * F1),
             -0.0002 * E * sin_deg(2 * M1 - M), -0.0002 * sin_deg(Om)]
    t = jde
    for term in terms:
        t += Fr(term)
    P = (0.2070 * E * sM + 0.0024 * E * sin_deg(2 * M) - 0.0392 * sM1 + 0.0116 * sin_deg(2 * M1)
         - 0.0073 * E * sin_deg(M1 + M) + 0.0067 * E * sin_deg(M1 - M) + 0.0118 * sin_deg(2 * F1))
    Q = (5.2207 - 0.0048 * E * cos_deg(M) + 0.0020 * E * cos_deg(2 * M) - 0.3299 * cos_deg(M1)
         - 0.0060 * E * cos_deg(M1 + M) + 0.0041 * E * cos_deg(M1 - M))
    W = abs(cos_deg(F1))
    gamma = (P * cos_deg(F1) + Q * sin_deg(F1)) * (1 - 0.0048 * W)
    u = (0.0059 + 0.0046 * E * cos_deg(M) - 0.0182 * cos_deg(M1) + 0.0004 * cos_deg(2 * M1)
         - 0.0005 * cos_deg(M + M1))
    g = abs(gamma)
    eps = 1e-12
    near = False
    if solar:
        near = abs(g - 0.9972) < eps
        if g < 0.9972:
            near |= abs(u) < eps or abs(u - 0.0047) < eps
            if u < 0:
                kind = 5
            elif u > 0.0047:
                kind = 3
            else:
                lim = 0.00464 * math.sqrt(1 - gamma * gamma)
                near |= abs(u - lim) < eps
                kind = 3 if u >= lim else 4
        else:
            near |= abs(g - (1.5433 + u)) < eps or abs(g - (0.9972 + abs(u))) < eps
            if g > 1.5433 + u:
                kind = 0
            elif g >= 0.9972 + abs(u):
                kind = 1
            else:
                kind = 2
    else:
        if 0.9128 - u - g > 0:
            kind = 5
        elif 1.5573 + u - g > 0:
            kind = 6
        else:
            kind = 0
    return kind, jd_to_date_serial(t), gamma, u, near


def find_next_eclipse(time, solar=True):
    target = time
    t = target - 56
    result = (0, t, None, None, False)
    while t < target:
        t = t + 28
        result = classify_lunation(t, solar)
        t = result[1]
    return result


# ---- eclipse list ----

def row_for(kind, serial):
    """Row text and the distance (seconds) of the instant from the nearest whole second."""
    jd = Fr(serial) + DATE_SERIAL_OFFSET
    year, month, day = jd_to_calendar(jd)
    fr = Fr(serial) - math.floor(serial)
    secs = fr * 86400
    whole = math.floor(secs)
    h, rest = divmod(whole, 3600)
    mi, s = divmod(rest, 60)
    margin = float(min(secs - whole, whole + 1 - secs))
    text = "%s\t%02d.%02d.%04d %02d:%02d:%02d" % (KIND_TEXT[kind], day, month, year, h, mi, s)
    return text, margin


def eclipse_list(first, last):
    """The rows of the eclipse list for the year fields first..last (already clamped), with
    per-row notes on borderline classifications or seconds."""
    time = gregorian_date_serial(first, 1, 1)
    end = gregorian_date_serial(last, 1, 1)
    rows = []
    while True:
        kind, time, gamma, u, near = find_next_eclipse(time)
        if kind in (3, 4, 5):
            text, margin = row_for(kind, time)
            rows.append((text, margin, near, time))
        time = time + 1
        if time > end:
            break
    return rows


if __name__ == "__main__":
    import sys
    for text, margin, near, _ in eclipse_list(int(sys.argv[1]), int(sys.argv[2])):
        print(text)
