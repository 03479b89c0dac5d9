// Every interface text other than the team and venue names, in English,
// Spanish and French: one constant table, one row per TText entry.

#include "i18n/texts.h"

#include "i18n/names.h"

#include <array>

namespace {

struct TTextRow {
  TText id;
  const char16_t *english;
  const char16_t *spanish;
  const char16_t *french;
};

constexpr int TextCount = static_cast<int>(TText::Count);

// Rows in the order of TText. Message texts break lines with "\n"; the
// trailing blanks and the "&" accelerators are part of the texts.
constexpr TTextRow TextTable[] = {
    {TText::SaveBeforeExitText,
     u"Do you want to save the data before exiting?\n"
     u"\n"
     u"* If you answer 'Yes' all the data will be saved.\n"
     u"* If you answer 'No' all changes made since you last clicked \n"
     u"  on 'Save' will be lost.\n"
     u"* If you answer 'Cancel' you will be returned to the application.",
     u"¿Quieres guardar los datos antes de salir?\n"
     u"\n"
     u"* Si contestas 'Sí' todos los datos serán grabados.\n"
     u"* Si contestas 'No' todos los cambios hechos desde que \n"
     u"  pulsó 'Guardar' por última vez se perderán.\n"
     u"* Si contestas 'Cancelar' volverá a la aplicación.",
     u"Voulez-vous sauvegarder les données avant de quitter?\n"
     u"\n"
     u"* Si vous répondez 'Oui' toutes les données seront sauvegardées.\n"
     u"* Si vous répondez 'Non' toutes les modifications effectuées depuis \n"
     u"  la dernière sauvegarde seront perdues.\n"
     u"* Si vous cliquez sur 'Annuler' vous retournerez à l'application"},
    {TText::ClearAllConfirmText,
     u"Are you sure you want to clear all the scores?",
     u"¿Está seguro de que quieres borrar todos los resultados?",
     u"Etes vous sûr de vouloir effacer tous les resultats?"},
    {TText::SelectLanguageText,
     u"Please select a default Language first",
     u"Por favor seleccione un idioma",
     u"SVP, sélectionnez votre Langue"},
    {TText::SelectTimeZoneText,
     u"Please select a default Time Zone first",
     u"Por favor seleccione una zona horaria",
     u"SVP, sélectionnez votre fuseau horaire"},
    {TText::SettingsUnreadableText,
     u"The settings file\n%1\ncannot be read: %2.\n"
     u"\n"
     u"Brakka starts without the scores and options saved in it, and will not\n"
     u"overwrite it: 'Save' will not be possible until the file can be read again.",
     u"El archivo de configuración\n%1\nno se puede leer: %2.\n"
     u"\n"
     u"Brakka empieza sin los resultados ni las opciones guardados en él, y no lo\n"
     u"sobrescribirá: no se podrá 'Guardar' hasta que el archivo se pueda leer de nuevo.",
     u"Le fichier de configuration\n%1\nne peut pas être lu: %2.\n"
     u"\n"
     u"Brakka démarre sans les résultats ni les options qui y sont sauvegardés, et ne\n"
     u"l'écrasera pas: 'Sauver' sera impossible tant que le fichier ne pourra pas être lu."},
    {TText::SettingsTooLargeText,
     u"it is larger than 4 MiB",
     u"es mayor de 4 MiB",
     u"il dépasse 4 Mio"},
    {TText::SettingsNoPermissionText,
     u"you have no permission to read it",
     u"no tienes permiso para leerlo",
     u"vous n'avez pas le droit de le lire"},
    {TText::SettingsFolderText,
     u"it is a folder",
     u"es una carpeta",
     u"c'est un dossier"},
    {TText::SettingsBrokenLinkText,
     u"it is a link to a file that does not exist",
     u"es un enlace a un archivo que no existe",
     u"c'est un lien vers un fichier qui n'existe pas"},
    {TText::SettingsOtherText,
     u"it is not a file that can be opened",
     u"no es un archivo que se pueda abrir",
     u"ce n'est pas un fichier qui peut être ouvert"},
    {TText::File1,
     u"&File",
     u"&Archivo",
     u"&Fichier"},
    {TText::Clear1,
     u"&Clear All",
     u"&Borrar",
     u"&Effacer"},
    {TText::Save1,
     u"&Save",
     u"&Guardar",
     u"&Sauver"},
    {TText::Report1,
     u"&Print Report",
     u"&Imprimir Informe",
     u"&Imprimer Rapport"},
    {TText::Exit1,
     u"&Exit",
     u"&Salir",
     u"&Quitter"},
    {TText::Options1,
     u"O&ptions",
     u"O&pciones",
     u"O&ptions"},
    {TText::About1,
     u"&About",
     u"Acerca &de",
     u"A &propos"},
    {TText::View1,
     u"&View",
     u"&Ver",
     u"&Voir"},
    {TText::Schedule1,
     u"&Game Schedule",
     u"Calendario de &Partidos",
     u"&Calendrier des Matches"},
    {TText::Stadiums1,
     u"S&tadiums",
     u"&Estadios",
     u"&Stades"},
    {TText::Internet1,
     u"&Internet Links",
     u"E&nlaces Internet",
     u"&Links Internet"},
    {TText::FIFA1,
     u"F&IFA Official Site",
     u"Sitio Offcial de la &FIFA",
     u"Site Officiel de la &FIFA"},
    {TText::BrakkaKoreaJapan1,
     u"2002 FIFA &Brakka Korea/Japan",
     u"Brakka FIFA 2002 Corea/Japón",
     u"Brakka FIFA 2002 Corée/Japon"},
    {TText::OfficialFootballSites1,
     u"Official Footba&ll Federations Sites",
     u"Sitios Officiales de Federaciones &Nationales",
     u"Sites Officiels de &Federations Nationales"},
    {TText::OfficialSite1,
     u"Offi&cial Site",
     u"Sitio &Official",
     u"&Site Officiel"},
    {TText::Rules1,
     u"Re&gulations",
     u"&Reglamento",
     u"&Règlement"},
    {TText::KoreaOrganizingCommittee1,
     u"&Korea Organizing Committee",
     u"Comité Organizador &Coreano",
     u"Comité d'Organisation &Coréen"},
    {TText::JapanOrganizingCommittee1,
     u"&Japan Organizing Committee",
     u"Comité Organizador &Japónes",
     u"Comité d'Organisation &Japonais"},
    {TText::OKButton,
     u"&Exit",
     u"&Salir",
     u"&Quitter"},
    {TText::ClearAllButton,
     u"&Clear All",
     u"&Borrar",
     u"&Effacer"},
    {TText::ClearScoresHint,
     u"Clear scores",
     u"Borrar resultados",
     u"Effacer les resultats"},
    {TText::ClearAllScoresHint,
     u"Clear all scores",
     u"Borrar todos los resultados",
     u"Effacer tous les resultats"},
    {TText::OptionsCaption,
     u"Options",
     u"Optiones",
     u"Options"},
    {TText::OptionsPanel,
     u"Options",
     u"Optiones",
     u"Options"},
    {TText::LangLbl,
     u"Your &Language:",
     u"Su &idioma:",
     u"Votre &Langue:"},
    {TText::FavLbl,
     u"Your &Favorite Team:",
     u"Su &equipo favorito:",
     u"Votre &Equipe Favorite:"},
    {TText::TimeZoneLbl,
     u"Your &Time Zone:",
     u"Su &zona horaria:",
     u"Votre &fuseau horaire:"},
    {TText::OptionsOKButton,
     u"&OK",
     u"&OK",
     u"&OK"},
    {TText::OptionsCancelButton,
     u"&Cancel",
     u"&Cancelar",
     u"&Annuler"},
    {TText::ScheduleCaption,
     u"Game Schedule",
     u"Calendario de Partidos",
     u"Calendrier des Matches"},
    {TText::ScheduleCloseButton,
     u"&Close",
     u"&Cerrar",
     u"&Fermer"},
    {TText::CityWebSiteStaticPanel,
     u"City Web Site",
     u"Pagina Web de la Ciudad",
     u"Site Web de la Ville"},
    {TText::StadiumWebSiteStaticPanel,
     u"Stadium Web Site",
     u"Pagina Web del Estadio",
     u"Site Web du Stade"},
    {TText::CapacityStaticPanel,
     u"Capacity",
     u"Capacidad",
     u"Capacité"},
    {TText::StadiumCloseButton,
     u"&Close",
     u"&Cerrar",
     u"&Fermer"},
    {TText::StadiumsCaption,
     u"Stadiums",
     u"Estadios",
     u"Stades"},
    {TText::CongratulationsLbl,
     u"CONGRATULATIONS",
     u"ENHORABUENA",
     u"FÉLICITATIONS"},
    {TText::AboutCaption,
     u"About BRAKKA...",
     u"Acerca BRAKKA...",
     u"Sur BRAKKA..."},
    {TText::QuestionsLbl,
     u"For questions or comments, email me at:",
     u"Para preguntas o comentarios, envíeme un email en:",
     u"Pour questions ou commentaires, envoyez un email à:"},
    {TText::ThanksLbl,
     u"Thanks to all who helped in testing this program!",
     u"Gracias a todos que ayudaron en la prueba de este programa!",
     u"Merci à tous ceux qui ont aidé à tester ce programme!"},
    {TText::AboutDescription,
     u"Korea/Japan\n"
     u"\n"
     u"Every group table, tie-break and knockout slot,\n"
     u"from the first group match to the champion.",
     u"Corea/Japón\n"
     u"\n"
     u"Cada tabla de grupo, desempate y cruce eliminatorio,\n"
     u"desde el primer partido de grupo hasta el campeón.",
     u"Corée/Japon\n"
     u"\n"
     u"Chaque classement de groupe, départage et place du tableau final,\n"
     u"du premier match de groupe jusqu'au champion."},
    {TText::CaptionPrefix,
     u"BRAKKA - ",
     u"BRAKKA - ",
     u"BRAKKA - "},
    {TText::GroupWord,
     u"Group ",
     u"Grupo ",
     u"Groupe "},
    {TText::PtsHeading,
     u"Pts",
     u"Pts",
     u"Pts"},
    {TText::PHeading,
     u"P",
     u"J",
     u"J"},
    {TText::WHeading,
     u"W",
     u"G",
     u"G"},
    {TText::THeading,
     u"T",
     u"E",
     u"N"},
    {TText::LHeading,
     u"L",
     u"P",
     u"P"},
    {TText::GFHeading,
     u"GF",
     u"GP",
     u"BP"},
    {TText::GAHeading,
     u"GA",
     u"GC",
     u"BC"},
    {TText::PMHeading,
     u"Dif",
     u"Avr",
     u"Dif"},
    {TText::FinalWord,
     u"Final",
     u"Final",
     u"Finale"},
    {TText::ThirdPlaceText,
     u"3rd Place",
     u"Tercer",
     u"3ème Place"},
    {TText::ChampionText,
     u"Champion",
     u"Campeon",
     u"Champion"},
    {TText::AccessVersus,
     u"%1 against %2",
     u"%1 contra %2",
     u"%1 contre %2"},
    {TText::AccessGoalsOf,
     u"goals of %1",
     u"goles de %1",
     u"buts de %1"},
    {TText::AccessPenaltiesOf,
     u"penalties of %1",
     u"penaltis de %1",
     u"tirs au but de %1"},
    {TText::AccessTeam,
     u"team %1",
     u"equipo %1",
     u"équipe %1"},
    {TText::AccessPlace,
     u"place %1",
     u"puesto %1",
     u"place %1"},
    {TText::AccessPoints,
     u"points",
     u"puntos",
     u"points"},
    {TText::AccessPlayed,
     u"played",
     u"jugados",
     u"joués"},
    {TText::AccessWon,
     u"won",
     u"ganados",
     u"gagnés"},
    {TText::AccessTied,
     u"tied",
     u"empatados",
     u"nuls"},
    {TText::AccessLost,
     u"lost",
     u"perdidos",
     u"perdus"},
    {TText::AccessGoalsFor,
     u"goals for",
     u"goles a favor",
     u"buts pour"},
    {TText::AccessGoalsAgainst,
     u"goals against",
     u"goles en contra",
     u"buts contre"},
    {TText::AccessGoalDifference,
     u"goal difference",
     u"diferencia de goles",
     u"différence de buts"},
    {TText::AccessFinal8Match,
     u"1/8 final %1",
     u"octavo de final %1",
     u"huitième de finale %1"},
    {TText::AccessFinal4Match,
     u"1/4 final %1",
     u"cuarto de final %1",
     u"quart de finale %1"},
    {TText::AccessFinal2Match,
     u"1/2 final %1",
     u"semifinal %1",
     u"demi-finale %1"},
    {TText::AccessThirdMatch,
     u"third-place match",
     u"partido por el tercer puesto",
     u"match pour la troisième place"},
    {TText::AccessWinnerOf,
     u"winner of %1",
     u"ganador de %1",
     u"vainqueur de %1"},
    {TText::AccessLoserOf,
     u"loser of %1",
     u"perdedor de %1",
     u"perdant de %1"},
    {TText::AccessClearGroup,
     u"Clear the scores of Group %1",
     u"Borrar los resultados del Grupo %1",
     u"Effacer les résultats du Groupe %1"},
    {TText::AccessClearFinal8,
     u"Clear the scores of the 1/8 finals",
     u"Borrar los resultados de los octavos de final",
     u"Effacer les résultats des huitièmes de finale"},
    {TText::AccessClearFinal4,
     u"Clear the scores of the 1/4 finals",
     u"Borrar los resultados de los cuartos de final",
     u"Effacer les résultats des quarts de finale"},
    {TText::AccessClearFinal2,
     u"Clear the scores of the 1/2 finals",
     u"Borrar los resultados de las semifinales",
     u"Effacer les résultats des demi-finales"},
    {TText::AccessClearThird,
     u"Clear the scores of the third-place match",
     u"Borrar los resultados del partido por el tercer puesto",
     u"Effacer les résultats du match pour la troisième place"},
    {TText::AccessClearFinal,
     u"Clear the scores of the final",
     u"Borrar los resultados de la final",
     u"Effacer les résultats de la finale"},
    {TText::AccessTableOf,
     u"%1 table",
     u"Tabla del %1",
     u"Tableau du %1"},
    {TText::LanguageName,
     u"English",
     u"Español",
     u"Français"},
};

static_assert(sizeof(TextTable) / sizeof(TextTable[0]) == TextCount,
              "one row per text entry");

constexpr bool RowsInEnumOrder() {
  for (int i = 0; i < TextCount; ++i)
    if (static_cast<int>(TextTable[i].id) != i) return false;
  return true;
}
static_assert(RowsInEnumOrder(), "text rows must follow the order of TText");

std::array<QString, TextCount> CurrentTexts;  // empty until the first FillTexts()

int ColumnOf(int language) {
  return (language >= 0 && language < LanguageCount) ? language : LangEnglish;
}

bool IsValid(TText id) {
  const int i = static_cast<int>(id);
  return i >= 0 && i < TextCount;
}

}  // namespace

QString TextIn(int language, TText id) {
  if (!IsValid(id)) return QString();
  const TTextRow &row = TextTable[static_cast<int>(id)];
  switch (ColumnOf(language)) {
    case LangSpanish: return QString::fromUtf16(row.spanish);
    case LangFrench: return QString::fromUtf16(row.french);
    default: return QString::fromUtf16(row.english);
  }
}

void FillTexts(int language) {
  for (int i = 0; i < TextCount; ++i)
    CurrentTexts[i] = TextIn(language, static_cast<TText>(i));
}

QString Text(TText id) {
  return IsValid(id) ? CurrentTexts[static_cast<int>(id)] : QString();
}
