#include <cmath>

#include "catalogue/angles.h"
#include "catalogue/moon.h"

// The lunation half of module moon: mean new and full moons as polynomials in
// the lunation number, their eclipse corrections, gamma and u, and the search
// from lunation to lunation.

namespace vellmora {
namespace {

long double Sin(long double degrees) { return SinDegrees(degrees); }
long double Cos(long double degrees) { return CosDegrees(degrees); }

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
  e.k = std::nearbyint(1236.85L * td) + static_cast<long double>(phaseEighths) / 8.0L;
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
  if (std::fabs(Sin(l.F)) > 0.36L) {
    time = JDToDateSerial(l.JDE);
    return EclipseKind::NoEclipse;
  }
  const long double k = l.k;
  const long double t = k / 1236.85L;
  const long double m = l.M;
  const long double m1 = l.M1;
  const long double e = l.E;
  const long double f1 = l.F - 0.02665L * Sin(l.Omega);
  const long double a1 = 299.77L + 0.107408L * k - 0.009173L * t * t;

  long double jd = l.JDE;
  if (solar) {
    jd += -0.4075L * Sin(m1) + 0.1721L * e * Sin(m);
  } else {
    jd += -0.4065L * Sin(m1) + 0.1727L * e * Sin(m);
  }
  jd += 0.0161L * Sin(2 * m1) - 0.0097L * Sin(2 * f1) + 0.0073L * e * Sin(m1 - m) - 0.0050L * e * Sin(m1 + m) -
        0.0023L * Sin(m1 - 2 * f1) + 0.0021L * e * Sin(2 * m) + 0.0012L * Sin(m1 + 2 * f1) +
        0.0006L * e * Sin(2 * m1 + m) - 0.0004L * Sin(3 * m1) - 0.0003L * e * Sin(m + 2 * f1) + 0.0003L * Sin(a1) -
        0.0002L * e * Sin(m - 2 * f1) - 0.0002L * e * Sin(2 * m1 - m) - 0.0002L * Sin(l.Omega);

  const long double p = 0.2070L * e * Sin(m) + 0.0024L * e * Sin(2 * m) - 0.0392L * Sin(m1) + 0.0116L * Sin(2 * m1) -
                        0.0073L * e * Sin(m1 + m) + 0.0067L * e * Sin(m1 - m) + 0.0118L * Sin(2 * f1);
  const long double q = 5.2207L - 0.0048L * e * Cos(m) + 0.0020L * e * Cos(2 * m) - 0.3299L * Cos(m1) -
                        0.0060L * e * Cos(m1 + m) + 0.0041L * e * Cos(m1 - m);
  const long double w = std::fabs(Cos(f1));
  const long double gamma = (p * Cos(f1) + q * Sin(f1)) * (1.0L - 0.0048L * w);
  gammaNegative = gamma < 0;
  const long double u =
      0.0059L + 0.0046L * e * Cos(m) - 0.0182L * Cos(m1) + 0.0004L * Cos(2 * m1) - 0.0005L * Cos(m + m1);
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
