#include "horary/arabian_parts.h"

#include <cmath>
#include <utility>

#include "core/angle_helpers.h"
#include "reports/aspect_finder.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr PartTerm Pt(int point) { return {PartTermKind::Point, static_cast<double>(point)}; }
constexpr PartTerm Cusp(int house) { return {PartTermKind::Cusp, static_cast<double>(house)}; }
constexpr PartTerm Deg(double degrees) { return {PartTermKind::Degrees, degrees}; }
constexpr PartTerm kFortune{PartTermKind::Fortune};
constexpr PartTerm kSpirit{PartTermKind::Spirit};
constexpr PartTerm kFortuneByDay{PartTermKind::FortuneByDay};
constexpr PartTerm kFortuneByNight{PartTermKind::FortuneByNight};

// Columns: name, a, b, c (the part is a + b - c), whether a night chart
// takes a + c - b.
constexpr ArabianPart kParts[] = {
    {"ABANDONMENT", Pt(Neptune), Pt(Ascendant), Pt(Pluto), false},
    {"ADDICTION 1", Pt(Neptune), Pt(Ascendant), Pt(Pluto), false},
    {"ADDICTION 2", Pt(Pluto), Pt(Ascendant), Pt(Neptune), false},
    {"ANXIETY", Pt(Pluto), Pt(Ascendant), Pt(Uranus), false},
    {"ASSASSINATION 1", Pt(Neptune), Pt(Mars), Pt(Uranus), false},
    {"ASSASSINATION 2", Pt(Mars), Pt(Uranus), Pt(Neptune), false},
    {"ASSAULT 1", Pt(Moon), Pt(Saturn), Pt(Midheaven), false},
    {"ASSAULT 2", Pt(Mars), Pt(Uranus), Pt(Venus), false},
    {"ASTROLOGY", Pt(Ascendant), Pt(Mercury), Pt(Uranus), true},
    {"BANKRUPTCY", Pt(Jupiter), Pt(Jupiter), Pt(Uranus), false},
    {"BRETHREN", Pt(Ascendant), Pt(Saturn), Pt(Jupiter), true},
    {"BRUTALITY 1", Pt(Pluto), Pt(Mars), Pt(Saturn), false},
    {"BRUTALITY 2", Pt(Mars), Pt(Saturn), Pt(Pluto), false},
    {"CANCER MALIGN.", Pt(Neptune), Pt(Ascendant), Pt(Jupiter), false},
    {"CATASTROPHE", Pt(Ascendant), Pt(Uranus), Pt(Sun), false},
    {"CHANGE-RADICAL", Pt(Pluto), Pt(Ascendant), Pt(Uranus), false},
    {"CHILD, FEMALE", Pt(Ascendant), Pt(Venus), Pt(Moon), true},
    {"CHILD, MALE", Pt(Ascendant), Pt(Jupiter), Pt(Moon), true},
    {"COMMERCE", Pt(Ascendant), Pt(Mercury), Pt(Sun), false},
    {"DEATH", Pt(Ascendant), Cusp(8), Pt(Moon), true},
    {"DEATH, PARENTS", Pt(Ascendant), Pt(Jupiter), Pt(Saturn), false},
    {"DEATH, POINT", Pt(Mars), Pt(Saturn), Pt(Midheaven), false},
    {"DEATH/SEP.", Pt(Ascendant), Pt(Saturn), Pt(Mars), false},
    {"DEATH, SIBLING", Pt(Ascendant), Deg(70), Pt(Sun), false},
    {"DECEIT", Pt(Ascendant), Pt(Venus), Pt(Neptune), false},
    {"DECEIT (LOVE)", Pt(Neptune), Pt(Ascendant), Pt(Venus), false},
    {"DEGRADATION", Pt(Ascendant), Pt(Sun), Pt(Neptune), false},
    {"DEPENDENCY", Pt(Neptune), Pt(Ascendant), Pt(Moon), false},
    {"DEPRESSION", Pt(Neptune), Pt(Ascendant), Pt(Mars), false},
    {"DESTINY", Pt(Midheaven), Pt(Sun), Pt(Moon), true},
    {"DISASTER 1", Pt(Pluto), Pt(Ascendant), Pt(Mars), false},
    {"DISASTER 2", Pt(Ascendant), Pt(Mars), Pt(Pluto), false},
    {"DISASTER 3", Pt(Pluto), Pt(Uranus), Pt(Mars), false},
    {"DISCORD", Pt(Ascendant), Pt(Jupiter), Pt(Mars), false},
    {"DIVORCE", Pt(Ascendant), Pt(Venus), Cusp(7), true},
    {"FAITH & TRUST", Pt(Ascendant), Pt(Mercury), Pt(Moon), false},
    {"FAME/MONEY 1", Pt(Ascendant), Pt(Jupiter), Pt(Sun), false},
    {"FAME/MONEY 2", Pt(Ascendant), Pt(Sun), Pt(Jupiter), false},
    {"FASCINATION", Pt(Ascendant), Pt(Venus), Pt(Uranus), false},
    {"FATHER", Pt(Ascendant), Pt(Sun), Pt(Saturn), true},
    {"FORCE 1", Pt(Pluto), Pt(Mars), Pt(Uranus), false},
    {"FORCE 2", Pt(Mars), Pt(Uranus), Pt(Pluto), false},
    {"FORTUNE, day", Pt(Moon), Pt(Ascendant), Pt(Sun), false},
    {"FORTUNE, night", Pt(Ascendant), Pt(Sun), Pt(Moon), false},
    {"FRAUD", Pt(Neptune), Pt(Ascendant), Pt(Mercury), false},
    {"FRIENDS", Pt(Moon), Pt(Ascendant), Pt(Uranus), false},
    {"FRIENDSHIP", Pt(Ascendant), kSpirit, kFortune, true},
    {"FRUGALITY", Pt(Ascendant), Pt(Saturn), Pt(Venus), false},
    {"HAPPINESS", Pt(Ascendant), Pt(Uranus), Pt(Jupiter), false},
    {"HEAD INJURY 1", Pt(Mars), Cusp(8), Pt(Moon), false},
    {"HEAD INJURY 2", Pt(Moon), Cusp(8), Pt(Mars), false},
    {"HOMOSEXUAL", Pt(Ascendant), Pt(Mars), Pt(Uranus), false},
    {"HONOR", Pt(Ascendant), Deg(19), Pt(Sun), false},
    {"ILLUMINATION 1", Pt(Midheaven), Pt(Uranus), Pt(Neptune), false},
    {"ILLUMINATION 2", Pt(Ascendant), Pt(Uranus), Pt(Neptune), false},
    {"ILLUMINATION 3", Pt(Neptune), Pt(Midheaven), Pt(Uranus), false},
    {"ILLUMINATION 4", Pt(Neptune), Pt(Ascendant), Pt(Uranus), false},
    {"IMPRISONMENT", Pt(Ascendant), kFortune, Pt(Saturn), false},
    {"INDIVIDUALITY", Pt(Ascendant), Pt(Sun), Pt(Uranus), false},
    {"INHERITANCE", Pt(Moon), Pt(Ascendant), Pt(Saturn), false},
    {"JEALOUSY", Pt(Venus), Pt(Saturn), Pt(Mars), false},
    {"KARMA", Pt(Ascendant), Pt(Saturn), Pt(Sun), true},
    {"LAWSUITS", Pt(Ascendant), Pt(Mercury), Pt(Mars), false},
    {"LEGAL AFFAIRS", Cusp(3), Cusp(9), Pt(Venus), false},
    {"LOVE", Pt(Ascendant), Pt(Venus), Pt(Sun), true},
    {"LOVERS", Pt(Venus), Pt(Mars), Cusp(5), false},
    {"LUCK 1", Pt(Moon), Pt(Ascendant), Pt(Jupiter), false},
    {"LUCK 2", Pt(Ascendant), Pt(Jupiter), Pt(Uranus), false},
    {"MARRIAGE", Pt(Ascendant), Cusp(7), Pt(Venus), true},
    {"MARRIAGE, MAN", Pt(Ascendant), Pt(Venus), Pt(Saturn), false},
    {"MARRIAGE, WOMAN", Pt(Ascendant), Pt(Saturn), Pt(Venus), false},
    {"MOTHER", Pt(Ascendant), Pt(Moon), Pt(Venus), true},
    {"MOTHER/FAMILY", Pt(Ascendant), Pt(Jupiter), Pt(Venus), false},
    {"OBSESSION", Pt(Venus), Pt(Mars), Pt(Uranus), false},
    {"OPPRESSED", Pt(Ascendant), Pt(Uranus), Pt(Saturn), false},
    {"ORGANIZATION", Pt(Pluto), Pt(Ascendant), Pt(Sun), false},
    {"PASSION", Pt(Ascendant), Pt(Mars), Pt(Venus), true},
    {"PERVERSION", Pt(Venus), Pt(Mars), Pt(Neptune), false},
    {"PLAY", Pt(Ascendant), Pt(Venus), Pt(Mars), false},
    {"POLICE", Pt(Ascendant), Pt(Saturn), Pt(Mars), false},
    {"PRFL. FRIENDS", Pt(Ascendant), Pt(Sun), kFortune, false},
    {"QUAKE 1a", Pt(Pluto), Pt(Mars), Pt(Saturn), false},
    {"QUAKE 1b", Pt(Mars), Pt(Saturn), Pt(Pluto), false},
    {"QUAKE 1c", Pt(Pluto), Pt(Saturn), Pt(Mars), false},
    {"QUAKE 2a", Pt(Pluto), Pt(Mars), Pt(Uranus), false},
    {"QUAKE 2b", Pt(Mars), Pt(Uranus), Pt(Pluto), false},
    {"QUAKE 2c", Pt(Pluto), Pt(Uranus), Pt(Mars), false},
    {"QUAKE 3a", Pt(Midheaven), Pt(Saturn), Pt(Moon), false},
    {"QUAKE 3b", Pt(Moon), Pt(Midheaven), Pt(Saturn), false},
    {"QUAKE 3c", Pt(Moon), Pt(Saturn), Pt(Midheaven), false},
    {"QUAKE 4a", Pt(Pluto), Pt(Ascendant), Pt(Saturn), false},
    {"QUAKE 4b", Pt(Ascendant), Pt(Saturn), Pt(Pluto), false},
    {"QUAKE 4c", Pt(Pluto), Pt(Saturn), Pt(Ascendant), false},
    {"RAGE/MURDER 1", Pt(Pluto), Pt(Ascendant), Pt(Saturn), false},
    {"RAGE/MURDER 2", Pt(Ascendant), Pt(Saturn), Pt(Pluto), false},
    {"RAPE 1", Pt(Pluto), Pt(Mars), Pt(Venus), false},
    {"RAPE 2", Pt(Venus), Pt(Mars), Pt(Pluto), false},
    {"SELF-UNDOING", Pt(Ascendant), Cusp(12), Pt(Neptune), false},
    {"SEX DRIVE", Pt(Pluto), Pt(Ascendant), Pt(Venus), false},
    {"SICKNESS", Pt(Ascendant), Pt(Mars), Pt(Saturn), false},
    {"SLANDER", Pt(Ascendant), Pt(Saturn), Pt(Neptune), false},
    {"SORROW 1", Pt(Ascendant), kFortuneByDay, Pt(Neptune), false},
    {"SORROW 2", Pt(Ascendant), kFortuneByNight, Pt(Neptune), false},
    {"SOUL", Cusp(4), Pt(Moon), Pt(Sun), true},
    {"SPECULATION", Pt(Ascendant), Cusp(5), Pt(Jupiter), false},
    {"SPIRIT, day", Pt(Ascendant), Pt(Sun), Pt(Moon), false},
    {"SPIRIT, night", Pt(Moon), Pt(Ascendant), Pt(Sun), false},
    {"SUCCESS, day", Pt(Sun), Pt(Jupiter), Pt(Moon), false},
    {"SUCCESS, night", Pt(Moon), Pt(Jupiter), Pt(Sun), false},
    {"SUDDEN ADVANCE", Pt(Ascendant), kFortune, Pt(Saturn), false},
    {"SUDDEN PARTING", Pt(Ascendant), Pt(Saturn), Pt(Uranus), false},
    {"SUFFERING 1", Pt(Neptune), Pt(Ascendant), Pt(Saturn), false},
    {"SUFFERING 2", Pt(Ascendant), Pt(Saturn), Pt(Neptune), false},
    {"SUICIDE 1", Pt(Ascendant), Cusp(8), Pt(Neptune), false},
    {"SUICIDE 2", Pt(Ascendant), Pt(Neptune), Cusp(8), false},
    {"SURGERY", Pt(Ascendant), Pt(Saturn), Pt(Mars), false},
    {"TERMINATION", Pt(Ascendant), Pt(Uranus), Pt(Neptune), false},
    {"TORTURE 1", Pt(Midheaven), Pt(Saturn), Pt(Moon), false},
    {"TORTURE 2", Pt(Moon), Pt(Midheaven), Pt(Saturn), false},
    {"TRANSFORM 1", Pt(Pluto), Pt(Ascendant), Pt(Uranus), false},
    {"TRANSFORM 2", Pt(Ascendant), Pt(Uranus), Pt(Pluto), false},
    {"TREACHERY", Pt(Neptune), Pt(Ascendant), Pt(Sun), false},
    {"UNDERSTANDING", Pt(Ascendant), Pt(Mars), Pt(Mercury), false},
    {"VICTORY/AID", Pt(Ascendant), Pt(Jupiter), kSpirit, true},
    {"VIOLENCE", Pt(Mars), Pt(Uranus), Pt(Saturn), false},
    {"WIDOWHOOD", Pt(Ascendant), Deg(189.8), Pt(Neptune), false},
};
static_assert(std::size(kParts) == ArabianPartCount);

// Columns: exact angle, option of the orb, the word of the aspect list.
struct PartAspectKindRow {
  double angle;
  int orbOption;
  const char* word;
};
constexpr PartAspectKindRow kAspectKinds[] = {
    {0, 128, " CONJUNCTS   "}, {60, 129, " sextiles    "},    {90, 130, " squares     "},
    {120, 131, " trines      "}, {150, 132, " inconjuncts "}, {180, 133, " OPPOSES     "},
};

// The points searched for aspects to the parts, in the order listed.
constexpr int kAspectedPoints[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon,
                                   Lilith, TransPluto};

struct SectParts {
  double fortune, spirit;
};

SectParts FortuneAndSpirit(const ChartSet& natal, bool night) {
  const double byDay = NormalizeDegrees(natal.Long[Moon] + natal.Long[Ascendant] - natal.Long[Sun]);
  const double byNight = NormalizeDegrees(natal.Long[Ascendant] + natal.Long[Sun] - natal.Long[Moon]);
  return night ? SectParts{byNight, byDay} : SectParts{byDay, byNight};
}

double TermValue(const PartTerm& term, const ChartSet& natal, const SectParts& sect) {
  const PointArray& l = natal.Long;
  switch (term.kind) {
    case PartTermKind::Point: return l[static_cast<size_t>(term.value)];
    case PartTermKind::Cusp: return natal.Cusp[CuspEntryOfHouse(static_cast<int>(term.value))];
    case PartTermKind::Degrees: return term.value;
    case PartTermKind::Fortune: return sect.fortune;
    case PartTermKind::Spirit: return sect.spirit;
    case PartTermKind::FortuneByDay: return l[Moon] + l[Ascendant] - l[Sun];
    case PartTermKind::FortuneByNight: return l[Ascendant] + l[Sun] - l[Moon];
  }
  return 0;
}

// The part's column of its line: "dd sss mm = " and its name in 16.
std::string PartColumn(const std::string& position, const ArabianPart& part) {
  return position + " = " + PadRight(part.name, 16);
}

}  // namespace

std::span<const ArabianPart> ArabianPartTable() { return kParts; }

std::array<double, ArabianPartCount> ArabianPartLongitudes(const ChartSet& natal, bool night) {
  const SectParts sect = FortuneAndSpirit(natal, night);
  std::array<double, ArabianPartCount> longitudes{};
  for (int i = 0; i < ArabianPartCount; ++i) {
    const ArabianPart& part = kParts[i];
    const double a = TermValue(part.a, natal, sect);
    double b = TermValue(part.b, natal, sect), c = TermValue(part.c, natal, sect);
    if (night && part.swapsAtNight) std::swap(b, c);
    longitudes[i] = NormalizeDegrees(a + b - c);
  }
  return longitudes;
}

int PartAspectKind(double part, double point, const OptionTables& options) {
  const double s = LongitudeSeparation(part, point);
  for (int k = 0; k < static_cast<int>(std::size(kAspectKinds)); ++k) {
    const PartAspectKindRow& row = kAspectKinds[k];
    const float orb = options.OptionValues[row.orbOption];
    // The bounds in single precision, as the option values are.
    const double low = static_cast<float>(row.angle - orb);
    const double high = static_cast<float>(row.angle + orb);
    const bool within = row.angle == 0     ? s <= orb
                        : row.angle == 180 ? s >= low
                                           : low <= s && s <= high;
    if (within) return k;
  }
  return -1;
}

std::vector<PartAspect> ArabianPartAspects(const std::array<double, ArabianPartCount>& parts, const ChartSet& natal,
                                           const OptionTables& options) {
  std::vector<PartAspect> aspects;
  for (int i = 0; i < ArabianPartCount; ++i)
    for (int point : kAspectedPoints)
      if (const int kind = PartAspectKind(parts[i], natal.Long[point], options); kind >= 0)
        aspects.push_back({i, point, kind});
  return aspects;
}

void WriteArabianParts(LineSink& out, const ChartSet& natal, bool night, const OptionTables& options) {
  const auto parts = ArabianPartLongitudes(natal, night);
  out.WriteBlankLine();
  out.WriteLine("     Arabian Parts" + std::string(26, ' ') + "Arabian Parts");
  for (int i = 0; i < ArabianPartCount; i += 2)
    out.WriteLine("  " + PartColumn(SignDegMinText(parts[i]), kParts[i]) + std::string(11, ' ') +
                  PartColumn(SignDegMinText(parts[i + 1]), kParts[i + 1]) + std::string(7, ' '));
  out.WriteBlankLine();
  out.WriteBlankLine();
  out.WriteLine("  See Orvane Window under HELP for a list of the formulas used.");
  out.WriteBlankLine();
  out.WriteBlankLine();
  std::string list;
  for (const PartAspect& a : ArabianPartAspects(parts, natal, options))
    list += "  (" + SignDegMinText(parts[a.part]) + ") " + PadRight(kParts[a.part].name, 16) +
            kAspectKinds[a.kind].word + PointName10(a.point).substr(0, 7) + "\r\n";
  out.WriteLine(list);
}

}  // namespace halcyra
