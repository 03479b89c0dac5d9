// One table of the spellings the open data sources use for the tournament's
// teams; a name is looked up by a key that ignores letter case, accents,
// blanks and punctuation.

#include "core/import/teamNames.h"

#include <QHash>
#include <QString>

namespace {

constexpr int MaxSpellings = 7;

// By team number, beside the program's English, Spanish and French names:
// openfootball's and football-data.org's names, the official ones, and the
// FIFA codes openfootball and football-data.org give with a team.
constexpr const char16_t *Spellings[TeamCount + 1][MaxSpellings + 1] = {
    {nullptr},
    {u"ARG", nullptr},                                                           // Argentina
    {u"BEL", nullptr},                                                           // Belgium
    {u"BRA", nullptr},                                                           // Brazil
    {u"CMR", nullptr},                                                           // Cameroon
    {u"China PR", u"PR China", u"CHN", nullptr},                                 // China
    {u"CRC", nullptr},                                                           // Costa Rica
    {u"CRO", nullptr},                                                           // Croatia
    {u"DEN", nullptr},                                                           // Denmark
    {u"ECU", nullptr},                                                           // Ecuador
    {u"ENG", nullptr},                                                           // England
    {u"FRA", nullptr},                                                           // France
    {u"GER", nullptr},                                                           // Germany
    {u"Republic of Ireland", u"Ireland Republic", u"Éire", u"IRL", nullptr},     // Ireland
    {u"ITA", nullptr},                                                           // Italy
    {u"JPN", nullptr},                                                           // Japan
    {u"MEX", nullptr},                                                           // Mexico
    {u"NGA", nullptr},                                                           // Nigeria
    {u"PAR", nullptr},                                                           // Paraguay
    {u"POL", nullptr},                                                           // Poland
    {u"POR", nullptr},                                                           // Portugal
    {u"Russian Federation", u"RUS", nullptr},                                    // Russia
    {u"KSA", nullptr},                                                           // Saudi Arabia
    {u"SEN", nullptr},                                                           // Senegal
    {u"SVN", nullptr},                                                           // Slovenia
    {u"RSA", nullptr},                                                           // South Africa
    {u"Korea Republic", u"Republic of Korea", u"Korea", u"KOR", nullptr},        // South Korea
    {u"ESP", nullptr},                                                           // Spain
    {u"SWE", nullptr},                                                           // Sweden
    {u"TUN", nullptr},                                                           // Tunisia
    {u"Türkiye", u"TUR", nullptr},                                               // Turkey
    {u"URU", nullptr},                                                           // Uruguay
    {u"United States", u"United States of America", u"EE. UU.", u"US", nullptr}, // USA
};

bool IsAsciiKeyChar(char16_t c)
{
  return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

QHash<QString, TTeam> BuildTable()
{
  QHash<QString, TTeam> table;
  for (int team = 1; team <= TeamCount; ++team) {
    for (int language = 0; language < LanguageCount; ++language)
      table.insert(TeamNameKey(TeamNameIn(language, team)), TTeam(team));
    for (const char16_t *const *s = Spellings[team]; *s; ++s)
      table.insert(TeamNameKey(QStringView(*s)), TTeam(team));
  }
  return table;
}

}  // namespace

QString TeamNameKey(QStringView name)
{
  QString key;
  key.reserve(name.size());
  bool ascii = true;
  for (QChar c : name) {
    const char16_t u = c.unicode();
    if (u >= 0x80) {
      ascii = false;
      break;
    }
    const char16_t lower = (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
    if (IsAsciiKeyChar(lower))
      key.append(QChar(lower));
  }
  if (ascii)
    return key;
  // Accents come off with the canonical decomposition; what is left is
  // case-folded, so that "Türkiye" and "TURKIYE" meet.
  key.clear();
  const QString decomposed = name.toString().normalized(QString::NormalizationForm_D);
  for (QChar c : decomposed) {
    if (c.isLetterOrNumber())
      key.append(c);
  }
  return key.toCaseFolded();
}

TTeam RecogniseTeam(QStringView name)
{
  static const QHash<QString, TTeam> table = BuildTable();
  const QString key = TeamNameKey(name);
  if (key.isEmpty())
    return NoTeam;
  return table.value(key, NoTeam);
}

const char16_t *const *TeamSpellings(TTeam team)
{
  static constexpr const char16_t *none[] = {nullptr};
  if (team < 1 || team > TeamCount)
    return none;
  return Spellings[team];
}
