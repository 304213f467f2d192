#include <cmath>

#include "catalogue/angles.h"
#include "catalogue/moon.h"
#include "numeric/extended_trig.h"

// The lunation half of module moon: mean new and full moons as polynomials in
// the lunation number, their eclipse corrections, gamma and u, and the search
// from lunation to lunation.

namespace vellmora {
namespace {

// A search steps 28 days on from a lunation's computed time, which selects the next lunation: the
// lunation selected for a time has its mean time between about 9.2 days before and 20.4 days after
// it. It starts two steps before the target, so that the first step lands on a lunation before it.
constexpr double kSearchStepDays = 28;
constexpr double kSearchStepsBack = 2;

// Centuries from 2000-01-01 0h counted in date-serial days, and the lunation they select.
struct LunationSelection {
  long double centuries;
  long double k;
};

LunationSelection SelectLunation(double serial, std::int8_t phaseEighths) {
  const long double td = (static_cast<long double>(serial) - Serial2000) / 36525.0L;
  return {td, std::rint(1236.85L * td) + static_cast<long double>(phaseEighths) / 8.0L};
}

long double EccentricityFactor(long double td) { return 1.0L - 0.002516L * td - 0.0000074L * td * td; }

// Powers of T = k / 1236.85 for the secular terms of the mean elements.
struct LunationPowers {
  long double t2;
  long double t3;
  long double t4;
};

LunationPowers PowersOf(long double k) {
  const long double t = k / 1236.85L;
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  return {t2, t3, t3 * t};
}

long double MeanPhaseJDE(long double k, LunationPowers p) {
  return 2451550.09765L + 29.530588853L * k + 0.0001337L * p.t2 - 0.000000150L * p.t3 + 0.00000000073L * p.t4;
}
long double SunMeanAnomaly(long double k, LunationPowers p) {
  return 2.5534L + 29.10535669L * k - 0.0000218L * p.t2 - 0.00000011L * p.t3;
}
long double MoonMeanAnomaly(long double k, LunationPowers p) {
  return 201.5643L + 385.81693528L * k + 0.0107438L * p.t2 + 0.00001239L * p.t3 - 0.000000058L * p.t4;
}
long double MoonArgumentOfLatitude(long double k, LunationPowers p) {
  return 160.7108L + 390.67050274L * k - 0.0016341L * p.t2 - 0.00000227L * p.t3 + 0.000000011L * p.t4;
}
long double AscendingNodeLongitude(long double k, LunationPowers p) {
  return 124.7746L - 1.5637558L * k + 0.0020691L * p.t2 + 0.00000215L * p.t3;
}

// An angle by its cosine and sine, so that the many sums and multiples of a few arguments in the
// eclipse corrections cost multiplications instead of one sine or cosine each.
CosSin Degrees(long double x) { return ExtendedCosSin(DegreesToRadians(NormalizeDegrees(x))); }
CosSin operator+(CosSin a, CosSin b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }
CosSin operator-(CosSin a, CosSin b) { return {a.c * b.c + a.s * b.s, a.s * b.c - a.c * b.s}; }
long double SinOfSum(CosSin a, CosSin b) { return a.s * b.c + a.c * b.s; }
long double SinOfDifference(CosSin a, CosSin b) { return a.s * b.c - a.c * b.s; }

// asin 0.36 in degrees: |sin F| > 0.36 where F lies farther than this from the nearest node.
const double kNodeLimitDegrees = std::asin(0.36) * 180 / kPi;
// F in a double is within about 1e-8 degrees of its extended value up to 10^8 degrees, which F
// reaches some 20,000 years from 2000; beyond, and within the margin of the limit, the sine decides.
constexpr double kLargestQuickArgument = 1e8;
constexpr double kQuickMarginDegrees = 1e-6;

}  // namespace

bool FarFromNode(long double f) {
  const double degrees = static_cast<double>(f);
  if (std::fabs(degrees) < kLargestQuickArgument) {
    // Exact: the difference is a multiple of the double's last place and less than 180.
    double fromNode = std::fabs(degrees - 180.0 * static_cast<double>(static_cast<std::int64_t>(degrees / 180.0)));
    if (fromNode > 90) fromNode = 180 - fromNode;
    if (std::fabs(fromNode - kNodeLimitDegrees) > kQuickMarginDegrees) return fromNode > kNodeLimitDegrees;
  }
  return std::fabs(SinDegrees(f)) > 0.36L;
}

namespace {

// The terms of the lunation k. Far from a node only its mean time is needed, so the other
// elements and the sines and cosines are left out there.
void ComputeTerms(long double k, bool solar, LunationTerms& terms) {
  const LunationPowers powers = PowersOf(k);
  const long double f = MoonArgumentOfLatitude(k, powers);
  terms.k = k;
  terms.Solar = solar;
  terms.JDE = MeanPhaseJDE(k, powers);
  terms.MeanTime = JDToDateSerial(terms.JDE);
  terms.NearNode = !FarFromNode(f);
  if (!terms.NearNode) return;
  const long double t = k / 1236.85L;
  terms.SinOmega = SinDegrees(AscendingNodeLongitude(k, powers));
  terms.M = Degrees(SunMeanAnomaly(k, powers));
  terms.M1 = Degrees(MoonMeanAnomaly(k, powers));
  terms.F1 = Degrees(f - 0.02665L * terms.SinOmega);
  terms.SinA1 = SinDegrees(299.77L + 0.107408L * k - 0.009173L * t * t);
  terms.TwoM = terms.M + terms.M;
  terms.TwoM1 = terms.M1 + terms.M1;
  terms.TwoF1 = terms.F1 + terms.F1;
  terms.M1PlusM = terms.M1 + terms.M;
  terms.M1LessM = terms.M1 - terms.M;
  terms.SinM1LessTwoF1 = SinOfDifference(terms.M1, terms.TwoF1);
  terms.SinM1PlusTwoF1 = SinOfSum(terms.M1, terms.TwoF1);
  terms.SinTwoM1PlusM = SinOfSum(terms.TwoM1, terms.M);
  terms.SinThreeM1 = SinOfSum(terms.TwoM1, terms.M1);
  terms.SinMPlusTwoF1 = SinOfSum(terms.M, terms.TwoF1);
  terms.SinMLessTwoF1 = SinOfDifference(terms.M, terms.TwoF1);
  terms.SinTwoM1LessM = SinOfDifference(terms.TwoM1, terms.M);
}

// The classification of a lunation from its terms and the centuries of the instant that selected it.
EclipseKind ClassifyByTerms(const LunationTerms& l, long double td, double& time, bool& gammaNegative) {
  if (!l.NearNode) {
    time = l.MeanTime;
    return EclipseKind::NoEclipse;
  }
  const long double e = EccentricityFactor(td);
  long double jd = l.JDE;
  if (l.Solar) {
    jd += -0.4075L * l.M1.s + 0.1721L * e * l.M.s;
  } else {
    jd += -0.4065L * l.M1.s + 0.1727L * e * l.M.s;
  }
  jd += 0.0161L * l.TwoM1.s - 0.0097L * l.TwoF1.s + 0.0073L * e * l.M1LessM.s - 0.0050L * e * l.M1PlusM.s -
        0.0023L * l.SinM1LessTwoF1 + 0.0021L * e * l.TwoM.s + 0.0012L * l.SinM1PlusTwoF1 +
        0.0006L * e * l.SinTwoM1PlusM - 0.0004L * l.SinThreeM1 - 0.0003L * e * l.SinMPlusTwoF1 + 0.0003L * l.SinA1 -
        0.0002L * e * l.SinMLessTwoF1 - 0.0002L * e * l.SinTwoM1LessM - 0.0002L * l.SinOmega;

  const long double p = 0.2070L * e * l.M.s + 0.0024L * e * l.TwoM.s - 0.0392L * l.M1.s + 0.0116L * l.TwoM1.s -
                        0.0073L * e * l.M1PlusM.s + 0.0067L * e * l.M1LessM.s + 0.0118L * l.TwoF1.s;
  const long double q = 5.2207L - 0.0048L * e * l.M.c + 0.0020L * e * l.TwoM.c - 0.3299L * l.M1.c -
                        0.0060L * e * l.M1PlusM.c + 0.0041L * e * l.M1LessM.c;
  const long double w = std::fabs(l.F1.c);
  const long double gamma = (p * l.F1.c + q * l.F1.s) * (1.0L - 0.0048L * w);
  gammaNegative = gamma < 0;
  const long double u = 0.0059L + 0.0046L * e * l.M.c - 0.0182L * l.M1.c + 0.0004L * l.TwoM1.c - 0.0005L * l.M1PlusM.c;
  const long double absGamma = std::fabs(gamma);

  EclipseKind kind = EclipseKind::NoEclipse;
  if (l.Solar) {
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

std::int8_t PhaseEighths(bool solar) { return solar ? 0 : 4; }

}  // namespace

LunationElements ComputeLunation(double serial, std::int8_t phaseEighths) {
  const LunationSelection selection = SelectLunation(serial, phaseEighths);
  const long double k = selection.k;
  const LunationPowers powers = PowersOf(k);
  return {k,
          MeanPhaseJDE(k, powers),
          SunMeanAnomaly(k, powers),
          MoonMeanAnomaly(k, powers),
          MoonArgumentOfLatitude(k, powers),
          AscendingNodeLongitude(k, powers),
          EccentricityFactor(selection.centuries)};
}

EclipseKind ClassifyLunation(double& time, bool solar, bool& gammaNegative) {
  const LunationSelection selection = SelectLunation(time, PhaseEighths(solar));
  LunationTerms terms{};
  ComputeTerms(selection.k, solar, terms);
  return ClassifyByTerms(terms, selection.centuries, time, gammaNegative);
}

EclipseKind FindNextEclipse(double& time, bool solar, bool& gammaNegative) {
  return EclipseWalk().FindNext(time, solar, gammaNegative);
}

EclipseKind EclipseWalk::FindNext(double& time, bool solar, bool& gammaNegative) {
  const double target = time;
  double t = target - kSearchStepsBack * kSearchStepDays;
  EclipseKind kind = EclipseKind::NoEclipse;
  while (t < target) {
    t += kSearchStepDays;
    kind = Classify(t, solar, gammaNegative);
  }
  time = t;
  return kind;
}

EclipseKind EclipseWalk::Classify(double& time, bool solar, bool& gammaNegative) {
  long double centuries = 0;
  const LunationTerms& terms = TermsOf(time, solar, centuries);
  return ClassifyByTerms(terms, centuries, time, gammaNegative);
}

const LunationTerms& EclipseWalk::TermsOf(double time, bool solar, long double& centuries) {
  const LunationSelection selection = SelectLunation(time, PhaseEighths(solar));
  centuries = selection.centuries;
  for (std::size_t i = 0; i < filled_; ++i) {
    if (recent_[i].k == selection.k && recent_[i].Solar == solar) return recent_[i];
  }
  LunationTerms& slot = recent_[next_];
  ComputeTerms(selection.k, solar, slot);
  next_ = (next_ + 1) % recent_.size();
  if (filled_ < recent_.size()) ++filled_;
  return slot;
}

}  // namespace vellmora
