#include <cmath>

#include "catalogue/angles.h"
#include "catalogue/moon.h"
#include "numeric/extended_trig.h"

// The lunation half of module moon: mean new and full moons as polynomials in
// the lunation number, their eclipse corrections, gamma and u, and the search
// from lunation to lunation.

namespace vellmora {
namespace {

// An angle by its cosine and sine, so that the many sums and multiples of a
// few arguments in the eclipse corrections cost multiplications instead of
// one sine or cosine each.
struct Angle {
  long double c;
  long double s;
};

Angle Degrees(long double x) {
  const CosSin both = ExtendedCosSin(DegreesToRadians(NormalizeDegrees(x)));
  return {both.c, both.s};
}
Angle operator+(Angle a, Angle b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }
Angle operator-(Angle a, Angle b) { return {a.c * b.c + a.s * b.s, a.s * b.c - a.c * b.s}; }

}  // namespace

const char* EclipseKindText(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Partial:
      return "partiell";
    case EclipseKind::NonCentral:
      return "nicht zentral";
    case EclipseKind::Annular:
      return "ringf\xF6rmig";
    case EclipseKind::AnnularTotal:
      return "total-ringf\xF6rmig";
    case EclipseKind::Total:
      return "total";
    case EclipseKind::Penumbral:
      return "Halbschatten";
    case EclipseKind::NoEclipse:
      break;
  }
  return "";
}

LunationElements ComputeLunation(double serial, std::int8_t phaseEighths) {
  LunationElements e{};
  const long double td = (static_cast<long double>(serial) - Serial2000) / 36525.0L;
  e.k = std::rint(1236.85L * td) + static_cast<long double>(phaseEighths) / 8.0L;
  const long double t = e.k / 1236.85L;
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  const long double t4 = t3 * t;
  e.JDE = 2451550.09765L + 29.530588853L * e.k + 0.0001337L * t2 - 0.000000150L * t3 + 0.00000000073L * t4;
  e.M = 2.5534L + 29.10535669L * e.k - 0.0000218L * t2 - 0.00000011L * t3;
  e.M1 = 201.5643L + 385.81693528L * e.k + 0.0107438L * t2 + 0.00001239L * t3 - 0.000000058L * t4;
  e.F = 160.7108L + 390.67050274L * e.k - 0.0016341L * t2 - 0.00000227L * t3 + 0.000000011L * t4;
  e.Omega = 124.7746L - 1.5637558L * e.k + 0.0020691L * t2 + 0.00000215L * t3;
  e.E = 1.0L - 0.002516L * td - 0.0000074L * td * td;
  return e;
}

EclipseKind ClassifyLunation(double& time, bool solar, bool& gammaNegative) {
  const LunationElements l = ComputeLunation(time, solar ? 0 : 4);
  if (std::fabs(SinDegrees(l.F)) > 0.36L) {
    time = JDToDateSerial(l.JDE);
    return EclipseKind::NoEclipse;
  }
  const long double k = l.k;
  const long double t = k / 1236.85L;
  const long double e = l.E;
  const Angle omega = Degrees(l.Omega);
  const Angle m = Degrees(l.M);
  const Angle m1 = Degrees(l.M1);
  const Angle f1 = Degrees(l.F - 0.02665L * omega.s);
  const Angle a1 = Degrees(299.77L + 0.107408L * k - 0.009173L * t * t);
  const Angle twoM = m + m;
  const Angle twoM1 = m1 + m1;
  const Angle twoF1 = f1 + f1;
  const Angle m1PlusM = m1 + m;
  const Angle m1LessM = m1 - m;

  long double jd = l.JDE;
  if (solar) {
    jd += -0.4075L * m1.s + 0.1721L * e * m.s;
  } else {
    jd += -0.4065L * m1.s + 0.1727L * e * m.s;
  }
  jd += 0.0161L * twoM1.s - 0.0097L * twoF1.s + 0.0073L * e * m1LessM.s - 0.0050L * e * m1PlusM.s -
        0.0023L * (m1 - twoF1).s + 0.0021L * e * twoM.s + 0.0012L * (m1 + twoF1).s + 0.0006L * e * (twoM1 + m).s -
        0.0004L * (twoM1 + m1).s - 0.0003L * e * (m + twoF1).s + 0.0003L * a1.s - 0.0002L * e * (m - twoF1).s -
        0.0002L * e * (twoM1 - m).s - 0.0002L * omega.s;

  const long double p = 0.2070L * e * m.s + 0.0024L * e * twoM.s - 0.0392L * m1.s + 0.0116L * twoM1.s -
                        0.0073L * e * m1PlusM.s + 0.0067L * e * m1LessM.s + 0.0118L * twoF1.s;
  const long double q = 5.2207L - 0.0048L * e * m.c + 0.0020L * e * twoM.c - 0.3299L * m1.c - 0.0060L * e * m1PlusM.c +
                        0.0041L * e * m1LessM.c;
  const long double w = std::fabs(f1.c);
  const long double gamma = (p * f1.c + q * f1.s) * (1.0L - 0.0048L * w);
  gammaNegative = gamma < 0;
  const long double u = 0.0059L + 0.0046L * e * m.c - 0.0182L * m1.c + 0.0004L * twoM1.c - 0.0005L * m1PlusM.c;
  const long double absGamma = std::fabs(gamma);

  EclipseKind kind = EclipseKind::NoEclipse;
  if (solar) {
    if (absGamma < 0.9972L) {
      if (u < 0) {
        kind = EclipseKind::Total;
      } else if (u > 0.0047L) {
        kind = EclipseKind::Annular;
      } else {
        kind = u >= 0.00464L * std::sqrt(1.0L - gamma * gamma) ? EclipseKind::Annular : EclipseKind::AnnularTotal;
      }
    } else if (absGamma > 1.5433L + u) {
      kind = EclipseKind::NoEclipse;
    } else {
      kind = absGamma >= 0.9972L + std::fabs(u) ? EclipseKind::Partial : EclipseKind::NonCentral;
    }
  } else if (0.9128L - u - absGamma > 0) {
    kind = EclipseKind::Total;
  } else if (1.5573L + u - absGamma > 0) {
    kind = EclipseKind::Penumbral;
  }
  time = JDToDateSerial(jd);
  return kind;
}

EclipseKind FindNextEclipse(double& time, bool solar, bool& gammaNegative) {
  const double target = time;
  double t = target - 56;
  EclipseKind kind = EclipseKind::NoEclipse;
  while (t < target) {
    t += 28;
    kind = ClassifyLunation(t, solar, gammaNegative);
  }
  time = t;
  return kind;
}

}  // namespace vellmora
