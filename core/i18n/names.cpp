// Team, host-country and venue names in English, Spanish and French, the
// name lists of a language, and the rule that carries a team name already on
// screen over into a newly chosen language.

#include "core/i18n/names.h"

#include <string>

namespace {

struct TNameRow {
  const char16_t *english;
  const char16_t *spanish;
  const char16_t *french;
};

struct TVenueRow {
  const char16_t *menuItem;
  TNameRow name;
};

// By team number. Row 0 is the favourite list's "no favourite" entry.
// No name in any column is the name of another team in any column, so a
// shown name identifies its team whatever language it is in.
constexpr TNameRow TeamTable[TeamCount + 1] = {
    {u"none", u"ninguno", u"aucune"},  // 0
    {u"Argentina", u"Argentina", u"Argentine"},  // 1
    {u"Belgium", u"Bélgica", u"Belgique"},  // 2
    {u"Brazil", u"Brasil", u"Brésil"},  // 3
    {u"Cameroon", u"Camerún", u"Cameroun"},  // 4
    {u"China", u"China", u"Chine"},  // 5
    {u"Costa Rica", u"Costa Rica", u"Costa Rica"},  // 6
    {u"Croatia", u"Croacia", u"Croatie"},  // 7
    {u"Denmark", u"Dinamarca", u"Danemark"},  // 8
    {u"Ecuador", u"Ecuador", u"Équateur"},  // 9
    {u"England", u"Inglaterra", u"Angleterre"},  // 10
    {u"France", u"Francia", u"France"},  // 11
    {u"Germany", u"Alemania", u"Allemagne"},  // 12
    {u"Ireland", u"Irlanda", u"Eire"},  // 13
    {u"Italy", u"Italia", u"Italie"},  // 14
    {u"Japan", u"Japón", u"Japon"},  // 15
    {u"Mexico", u"México", u"Mexique"},  // 16
    {u"Nigeria", u"Nigeria", u"Nigeria"},  // 17
    {u"Paraguay", u"Paraguay", u"Paraguay"},  // 18
    {u"Poland", u"Polonia", u"Pologne"},  // 19
    {u"Portugal", u"Portugal", u"Portugal"},  // 20
    {u"Russia", u"Rusia", u"Russie"},  // 21
    {u"Saudi Arabia", u"Arabia Saudí", u"Arabie Saoudite"},  // 22
    {u"Senegal", u"Senegal", u"Sénégal"},  // 23
    {u"Slovenia", u"Eslovenia", u"Slovénie"},  // 24
    {u"South Africa", u"Sudáfrica", u"Afrique du Sud"},  // 25
    {u"South Korea", u"Corea", u"Corée du Sud"},  // 26
    {u"Spain", u"España", u"Espagne"},  // 27
    {u"Sweden", u"Suecia", u"Suède"},  // 28
    {u"Tunisia", u"Túnez", u"Tunisie"},  // 29
    {u"Turkey", u"Turquía", u"Turquie"},  // 30
    {u"Uruguay", u"Uruguay", u"Uruguay"},  // 31
    {u"USA", u"EEUU", u"États-Unis"},  // 32
};

// South Korea, then Japan.
constexpr TNameRow HostCountryTable[2] = {
    {u"South Korea", u"Corea", u"Corée du Sud"},
    {u"Japan", u"Japón", u"Japon"},
};

// The venues in their fixed order: ten in South Korea, then ten in Japan.
// The Spanish names keep the older spellings (Taegu, Pusan, Inchon ...).
constexpr TVenueRow VenueTable[VenueCount] = {
    {u"Seoul1", u"Seoul (South Korea)", u"Seúl (Corea)", u"Séoul (Corée du Sud)"},
    {u"Ulsan1", u"Ulsan (South Korea)", u"Ulsan (Corea)", u"Ulsan (Corée du Sud)"},
    {u"Daegu1", u"Daegu (South Korea)", u"Taegu (Corea)", u"Daegu (Corée du Sud)"},
    {u"Busan1", u"Busan (South Korea)", u"Pusan (Corea)", u"Busan (Corée du Sud)"},
    {u"Incheon1", u"Incheon (South Korea)", u"Inchon (Corea)", u"Incheon (Corée du Sud)"},
    {u"Suwon1", u"Suwon (South Korea)", u"Suwon (Corea)", u"Suwon (Corée du Sud)"},
    {u"Gwangju1", u"Gwangju (South Korea)", u"Kwangju (Corea)", u"Gwangju (Corée du Sud)"},
    {u"Jeonju1", u"Jeonju (South Korea)", u"Chonju (Corea)", u"Jeonju (Corée du Sud)"},
    {u"Seogwipo1", u"Seogwipo (South Korea)", u"Sogwipo (Corea)", u"Seogwipo (Corée du Sud)"},
    {u"Daejeon1", u"Daejeon (South Korea)", u"Taejon (Corea)", u"Daejeon (Corée du Sud)"},
    {u"Niigata1", u"Niigata (Japan)", u"Niigata (Japón)", u"Niigata (Japon)"},
    {u"Ibaraki1", u"Ibaraki (Japan)", u"Ibaraki (Japón)", u"Ibaraki (Japon)"},
    {u"Sapporo1", u"Sapporo (Japan)", u"Sapporo (Japón)", u"Sapporo (Japon)"},
    {u"Saitama1", u"Saitama (Japan)", u"Saitama (Japón)", u"Saitama (Japon)"},
    {u"Yokohama1", u"Yokohama (Japan)", u"Yokohama (Japón)", u"Yokohama (Japon)"},
    {u"Shizuoka1", u"Shizuoka (Japan)", u"Shizuoka (Japón)", u"Shizuoka (Japon)"},
    {u"Kobe1", u"Kobe (Japan)", u"Kobe (Japón)", u"Kobé (Japon)"},
    {u"Miyagi1", u"Miyagi (Japan)", u"Miyagi (Japón)", u"Miyagi (Japon)"},
    {u"Osaka1", u"Osaka (Japan)", u"Osaka (Japón)", u"Osaka (Japon)"},
    {u"Oita1", u"Oita (Japan)", u"Oita (Japón)", u"Oita (Japon)"},
};

const char16_t *Column(const TNameRow &row, int language) {
  switch (language) {
    case LangSpanish: return row.spanish;
    case LangFrench: return row.french;
    default: return row.english;
  }
}

// The tables are static: a name refers to its row rather than being copied,
// so that names are handed round and compared without allocating.
QString NameIn(const TNameRow &row, int language) {
  const char16_t *name = Column(row, language);
  return QString::fromRawData(reinterpret_cast<const QChar *>(name),
                              qsizetype(std::char_traits<char16_t>::length(name)));
}

}  // namespace

QString TeamNameIn(int language, int team) {
  if (team < 0 || team > TeamCount) return QString();
  return NameIn(TeamTable[team], language);
}

QString HostCountryNameIn(int language, int host) {
  if (host < 0 || host > 1) return QString();
  return NameIn(HostCountryTable[host], language);
}

QString VenueNameIn(int language, int venue) {
  if (venue < 0 || venue >= VenueCount) return QString();
  return NameIn(VenueTable[venue].name, language);
}

QString VenueShortName(const QString &venueName) {
  // "Seoul (South Korea)" -> "Seoul": the city before the blank and the
  // parenthesised country. A text without that ending is kept as it is.
  if (!venueName.endsWith(QLatin1Char(')'))) return venueName;
  const int open = venueName.lastIndexOf(QLatin1String(" ("));
  if (open < 0) return venueName;
  return venueName.left(open);
}

QString VenueMenuItemName(int venue) {
  if (venue < 0 || venue >= VenueCount) return QString();
  return QString::fromUtf16(VenueTable[venue].menuItem);
}

TTeamNameList TeamNamesIn(int language) {
  TTeamNameList names;
  for (int team = 1; team <= TeamCount; ++team)
    names[team] = TeamNameIn(language, team);
  return names;
}

TNames NamesIn(int language, int favorite) {
  TNames names;
  names.teams = TeamNamesIn(language);
  for (int host = 0; host < 2; ++host)
    names.hosts[host] = HostCountryNameIn(language, host);
  for (int venue = 0; venue < VenueCount; ++venue)
    names.venues[venue] = VenueNameIn(language, venue);
  if (favorite >= 1 && favorite <= TeamCount)
    names.favourite = names.teams[favorite];
  return names;
}

QString TranslateTeamName(const TTeamNameList &previous, const TTeamNameList &current,
                          const QString &shown) {
  for (int team = 1; team <= TeamCount; ++team) {
    if (!previous[team].isEmpty() && previous[team] == shown) return current[team];
  }
  return shown;
}

const QString Placeholder = QStringLiteral("xxxxxxxxxx");

QString ShownTeam(const TTeamNameList &names, TTeam team)
{
  return team >= 1 && team <= TeamCount ? names[std::size_t(team)] : Placeholder;
}
