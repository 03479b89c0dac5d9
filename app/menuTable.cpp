// The main menu's table.

#include "app/menuTable.h"

namespace {

// Menu order; submenus come before their items. Parents by their index.
const TMenuEntry Entries[] = {
  {-1, "File1", TMenuSource::Text, TText::File1, 0, 0, true, true, TCommand::None},  // 0
  {0, "Clear1", TMenuSource::Text, TText::Clear1, 0, 0, true, false, TCommand::ClearAll},  // 1
  {0, "Save1", TMenuSource::Text, TText::Save1, 0, 0, true, false, TCommand::Save},  // 2
  {0, "N2", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 3
  {0, "Report1", TMenuSource::Text, TText::Report1, 0, 0, true, false, TCommand::Report},  // 4
  {0, "N1", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 5
  {0, "Exit1", TMenuSource::Text, TText::Exit1, 0, 0, true, false, TCommand::Exit},  // 6
  {-1, "Edit1", TMenuSource::Text, TText::Edit1, 0, 0, true, true, TCommand::None},  // 7
  {7, "Undo1", TMenuSource::Text, TText::Undo1, 0, 0, false, false, TCommand::Undo},  // 8
  {7, "Redo1", TMenuSource::Text, TText::Redo1, 0, 0, false, false, TCommand::Redo},  // 9
  {-1, "Options1", TMenuSource::Text, TText::Options1, 0, 0, true, false, TCommand::Options},  // 10
  {-1, "View1", TMenuSource::Text, TText::View1, 0, 0, true, true, TCommand::None},  // 11
  {11, "Schedule1", TMenuSource::Text, TText::Schedule1, 0, 0, true, false, TCommand::Schedule},  // 12
  {11, "ExportCalendar1", TMenuSource::Text, TText::ExportCalendar1, 0, 0, true, false, TCommand::ExportCalendar},  // 13
  {11, "Outlook1", TMenuSource::Text, TText::Outlook1, 0, 0, true, false, TCommand::Outlook},  // 14
  {11, "Pool1", TMenuSource::Text, TText::Pool1, 0, 0, true, false, TCommand::Pool},  // 15
  {11, "N3", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 16
  {11, "Stadiums1", TMenuSource::Text, TText::Stadiums1, 0, 0, true, true, TCommand::None},  // 17
  {17, "Korea1", TMenuSource::HostKorea, TText::Count, 0, 0, true, true, TCommand::None},  // 18
  {18, "Busan1", TMenuSource::Venue, TText::Count, 100, 3, true, false, TCommand::Venue},  // 19
  {18, "Daegu1", TMenuSource::Venue, TText::Count, 101, 2, true, false, TCommand::Venue},  // 20
  {18, "Daejeon1", TMenuSource::Venue, TText::Count, 102, 9, true, false, TCommand::Venue},  // 21
  {18, "Gwangju1", TMenuSource::Venue, TText::Count, 103, 6, true, false, TCommand::Venue},  // 22
  {18, "Incheon1", TMenuSource::Venue, TText::Count, 104, 4, true, false, TCommand::Venue},  // 23
  {18, "Jeonju1", TMenuSource::Venue, TText::Count, 105, 7, true, false, TCommand::Venue},  // 24
  {18, "Seogwipo1", TMenuSource::Venue, TText::Count, 106, 8, true, false, TCommand::Venue},  // 25
  {18, "Seoul1", TMenuSource::Venue, TText::Count, 107, 0, true, false, TCommand::Venue},  // 26
  {18, "Suwon1", TMenuSource::Venue, TText::Count, 108, 5, true, false, TCommand::Venue},  // 27
  {18, "Ulsan1", TMenuSource::Venue, TText::Count, 109, 1, true, false, TCommand::Venue},  // 28
  {17, "Japan2", TMenuSource::HostJapan, TText::Count, 0, 0, true, true, TCommand::None},  // 29
  {29, "Ibaraki1", TMenuSource::Venue, TText::Count, 150, 11, true, false, TCommand::Venue},  // 30
  {29, "Kobe1", TMenuSource::Venue, TText::Count, 151, 16, true, false, TCommand::Venue},  // 31
  {29, "Miyagi1", TMenuSource::Venue, TText::Count, 152, 17, true, false, TCommand::Venue},  // 32
  {29, "Niigata1", TMenuSource::Venue, TText::Count, 153, 10, true, false, TCommand::Venue},  // 33
  {29, "Oita1", TMenuSource::Venue, TText::Count, 154, 19, true, false, TCommand::Venue},  // 34
  {29, "Osaka1", TMenuSource::Venue, TText::Count, 155, 18, true, false, TCommand::Venue},  // 35
  {29, "Saitama1", TMenuSource::Venue, TText::Count, 156, 13, true, false, TCommand::Venue},  // 36
  {29, "Sapporo1", TMenuSource::Venue, TText::Count, 157, 12, true, false, TCommand::Venue},  // 37
  {29, "Shizuoka1", TMenuSource::Venue, TText::Count, 158, 15, true, false, TCommand::Venue},  // 38
  {29, "Yokohama1", TMenuSource::Venue, TText::Count, 159, 14, true, false, TCommand::Venue},  // 39
  {11, "N6", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 40
  {11, "Internet1", TMenuSource::Text, TText::Internet1, 0, 0, true, true, TCommand::None},  // 41
  {41, "FIFA1", TMenuSource::Text, TText::FIFA1, 50, 0, true, false, TCommand::WebLink},  // 42
  {41, "BrakkaKoreaJapan1", TMenuSource::Text, TText::BrakkaKoreaJapan1, 0, 0, true, true, TCommand::None},  // 43
  {43, "OfficialSite1", TMenuSource::Text, TText::OfficialSite1, 51, 0, true, false, TCommand::WebLink},  // 44
  {43, "Rules1", TMenuSource::Text, TText::Rules1, 52, 0, true, false, TCommand::WebLink},  // 45
  {43, "KoreaOrganizingCommittee1", TMenuSource::Text, TText::KoreaOrganizingCommittee1, 53, 0, true, false, TCommand::WebLink},  // 46
  {43, "JapanOrganizingCommittee1", TMenuSource::Text, TText::JapanOrganizingCommittee1, 54, 0, true, false, TCommand::WebLink},  // 47
  {41, "OfficialFootballSites1", TMenuSource::Text, TText::OfficialFootballSites1, 0, 0, true, true, TCommand::None},  // 48
  {48, "Argentina1", TMenuSource::Team, TText::Count, 1, 1, false, false, TCommand::WebLink},  // 49
  {48, "Belgium1", TMenuSource::Team, TText::Count, 2, 2, true, false, TCommand::WebLink},  // 50
  {48, "Brazil1", TMenuSource::Team, TText::Count, 3, 3, true, false, TCommand::WebLink},  // 51
  {48, "Cameroon1", TMenuSource::Team, TText::Count, 4, 4, false, false, TCommand::WebLink},  // 52
  {48, "China1", TMenuSource::Team, TText::Count, 5, 5, false, false, TCommand::WebLink},  // 53
  {48, "CostaRica1", TMenuSource::Team, TText::Count, 6, 6, true, false, TCommand::WebLink},  // 54
  {48, "Croatia1", TMenuSource::Team, TText::Count, 7, 7, false, false, TCommand::WebLink},  // 55
  {48, "Denmark1", TMenuSource::Team, TText::Count, 8, 8, true, false, TCommand::WebLink},  // 56
  {48, "Ecuador1", TMenuSource::Team, TText::Count, 9, 9, false, false, TCommand::WebLink},  // 57
  {48, "England1", TMenuSource::Team, TText::Count, 10, 10, false, false, TCommand::WebLink},  // 58
  {48, "France1", TMenuSource::Team, TText::Count, 11, 11, true, false, TCommand::WebLink},  // 59
  {48, "Germany1", TMenuSource::Team, TText::Count, 12, 12, false, false, TCommand::WebLink},  // 60
  {48, "Ireland1", TMenuSource::Team, TText::Count, 13, 13, true, false, TCommand::WebLink},  // 61
  {48, "Italy1", TMenuSource::Team, TText::Count, 14, 14, false, false, TCommand::WebLink},  // 62
  {48, "Japan1", TMenuSource::Team, TText::Count, 15, 15, false, false, TCommand::WebLink},  // 63
  {48, "Mexico1", TMenuSource::Team, TText::Count, 16, 16, false, false, TCommand::WebLink},  // 64
  {48, "Nigeria1", TMenuSource::Team, TText::Count, 17, 17, false, false, TCommand::WebLink},  // 65
  {48, "Paraguay1", TMenuSource::Team, TText::Count, 18, 18, true, false, TCommand::WebLink},  // 66
  {48, "Poland1", TMenuSource::Team, TText::Count, 19, 19, false, false, TCommand::WebLink},  // 67
  {48, "Portugal1", TMenuSource::Team, TText::Count, 20, 20, true, false, TCommand::WebLink},  // 68
  {48, "Russia1", TMenuSource::Team, TText::Count, 21, 21, true, false, TCommand::WebLink},  // 69
  {48, "SaudiArabia1", TMenuSource::Team, TText::Count, 22, 22, false, false, TCommand::WebLink},  // 70
  {48, "Senegal1", TMenuSource::Team, TText::Count, 23, 23, false, false, TCommand::WebLink},  // 71
  {48, "Slovenia1", TMenuSource::Team, TText::Count, 24, 24, false, false, TCommand::WebLink},  // 72
  {48, "SouthAfrica1", TMenuSource::Team, TText::Count, 25, 25, true, false, TCommand::WebLink},  // 73
  {48, "SouthKorea1", TMenuSource::Team, TText::Count, 26, 26, true, false, TCommand::WebLink},  // 74
  {48, "Spain1", TMenuSource::Team, TText::Count, 27, 27, true, false, TCommand::WebLink},  // 75
  {48, "Sweden1", TMenuSource::Team, TText::Count, 28, 28, true, false, TCommand::WebLink},  // 76
  {48, "Tunisia1", TMenuSource::Team, TText::Count, 29, 29, true, false, TCommand::WebLink},  // 77
  {48, "Turkey1", TMenuSource::Team, TText::Count, 30, 30, true, false, TCommand::WebLink},  // 78
  {48, "Uruguay1", TMenuSource::Team, TText::Count, 31, 31, false, false, TCommand::WebLink},  // 79
  {48, "USA1", TMenuSource::Team, TText::Count, 32, 32, true, false, TCommand::WebLink},  // 80
  {-1, "About1", TMenuSource::Text, TText::About1, 0, 0, true, false, TCommand::About},  // 81
};

}  // namespace

const TMenuEntry *MenuEntries() { return Entries; }
std::size_t MenuEntryCount() { return std::size(Entries); }
