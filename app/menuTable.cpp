// The main menu's table.

#include "app/menuTable.h"

namespace {

// Menu order; submenus come before their items. Parents by their index.
const TMenuEntry Entries[] = {
  {-1, "File1", TMenuSource::Text, TText::File1, 0, 0, true, true, TCommand::None},  // 0
  {0, "Clear1", TMenuSource::Text, TText::Clear1, 0, 0, true, false, TCommand::ClearAll},  // 1
  {0, "Save1", TMenuSource::Text, TText::Save1, 0, 0, true, false, TCommand::Save},  // 2
  {0, "N2", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 3
  {0, "ImportResults1", TMenuSource::Text, TText::ImportResults1, 0, 0, true, false, TCommand::ImportResults},  // 4
  {0, "ExportResults1", TMenuSource::Text, TText::ExportResults1, 0, 0, true, false, TCommand::ExportResults},  // 5
  {0, "Report1", TMenuSource::Text, TText::Report1, 0, 0, true, false, TCommand::Report},  // 6
  {0, "N1", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 7
  {0, "Exit1", TMenuSource::Text, TText::Exit1, 0, 0, true, false, TCommand::Exit},  // 8
  {-1, "Edit1", TMenuSource::Text, TText::Edit1, 0, 0, true, true, TCommand::None},  // 9
  {9, "Undo1", TMenuSource::Text, TText::Undo1, 0, 0, false, false, TCommand::Undo},  // 10
  {9, "Redo1", TMenuSource::Text, TText::Redo1, 0, 0, false, false, TCommand::Redo},  // 11
  {-1, "Options1", TMenuSource::Text, TText::Options1, 0, 0, true, false, TCommand::Options},  // 12
  {-1, "View1", TMenuSource::Text, TText::View1, 0, 0, true, true, TCommand::None},  // 13
  {13, "Schedule1", TMenuSource::Text, TText::Schedule1, 0, 0, true, false, TCommand::Schedule},  // 14
  {13, "ExportCalendar1", TMenuSource::Text, TText::ExportCalendar1, 0, 0, true, false, TCommand::ExportCalendar},  // 15
  {13, "Outlook1", TMenuSource::Text, TText::Outlook1, 0, 0, true, false, TCommand::Outlook},  // 16
  {13, "Pool1", TMenuSource::Text, TText::Pool1, 0, 0, true, false, TCommand::Pool},  // 17
  {13, "N3", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 18
  {13, "Stadiums1", TMenuSource::Text, TText::Stadiums1, 0, 0, true, true, TCommand::None},  // 19
  {19, "Korea1", TMenuSource::HostKorea, TText::Count, 0, 0, true, true, TCommand::None},  // 20
  {20, "Busan1", TMenuSource::Venue, TText::Count, 100, 3, true, false, TCommand::Venue},  // 21
  {20, "Daegu1", TMenuSource::Venue, TText::Count, 101, 2, true, false, TCommand::Venue},  // 22
  {20, "Daejeon1", TMenuSource::Venue, TText::Count, 102, 9, true, false, TCommand::Venue},  // 23
  {20, "Gwangju1", TMenuSource::Venue, TText::Count, 103, 6, true, false, TCommand::Venue},  // 24
  {20, "Incheon1", TMenuSource::Venue, TText::Count, 104, 4, true, false, TCommand::Venue},  // 25
  {20, "Jeonju1", TMenuSource::Venue, TText::Count, 105, 7, true, false, TCommand::Venue},  // 26
  {20, "Seogwipo1", TMenuSource::Venue, TText::Count, 106, 8, true, false, TCommand::Venue},  // 27
  {20, "Seoul1", TMenuSource::Venue, TText::Count, 107, 0, true, false, TCommand::Venue},  // 28
  {20, "Suwon1", TMenuSource::Venue, TText::Count, 108, 5, true, false, TCommand::Venue},  // 29
  {20, "Ulsan1", TMenuSource::Venue, TText::Count, 109, 1, true, false, TCommand::Venue},  // 30
  {19, "Japan2", TMenuSource::HostJapan, TText::Count, 0, 0, true, true, TCommand::None},  // 31
  {31, "Ibaraki1", TMenuSource::Venue, TText::Count, 150, 11, true, false, TCommand::Venue},  // 32
  {31, "Kobe1", TMenuSource::Venue, TText::Count, 151, 16, true, false, TCommand::Venue},  // 33
  {31, "Miyagi1", TMenuSource::Venue, TText::Count, 152, 17, true, false, TCommand::Venue},  // 34
  {31, "Niigata1", TMenuSource::Venue, TText::Count, 153, 10, true, false, TCommand::Venue},  // 35
  {31, "Oita1", TMenuSource::Venue, TText::Count, 154, 19, true, false, TCommand::Venue},  // 36
  {31, "Osaka1", TMenuSource::Venue, TText::Count, 155, 18, true, false, TCommand::Venue},  // 37
  {31, "Saitama1", TMenuSource::Venue, TText::Count, 156, 13, true, false, TCommand::Venue},  // 38
  {31, "Sapporo1", TMenuSource::Venue, TText::Count, 157, 12, true, false, TCommand::Venue},  // 39
  {31, "Shizuoka1", TMenuSource::Venue, TText::Count, 158, 15, true, false, TCommand::Venue},  // 40
  {31, "Yokohama1", TMenuSource::Venue, TText::Count, 159, 14, true, false, TCommand::Venue},  // 41
  {13, "N6", TMenuSource::Separator, TText::Count, 0, 0, true, false, TCommand::None},  // 42
  {13, "Internet1", TMenuSource::Text, TText::Internet1, 0, 0, true, true, TCommand::None},  // 43
  {43, "FIFA1", TMenuSource::Text, TText::FIFA1, 50, 0, true, false, TCommand::WebLink},  // 44
  {43, "BrakkaKoreaJapan1", TMenuSource::Text, TText::BrakkaKoreaJapan1, 0, 0, true, true, TCommand::None},  // 45
  {45, "OfficialSite1", TMenuSource::Text, TText::OfficialSite1, 51, 0, true, false, TCommand::WebLink},  // 46
  {45, "Rules1", TMenuSource::Text, TText::Rules1, 52, 0, true, false, TCommand::WebLink},  // 47
  {45, "KoreaOrganizingCommittee1", TMenuSource::Text, TText::KoreaOrganizingCommittee1, 53, 0, true, false, TCommand::WebLink},  // 48
  {45, "JapanOrganizingCommittee1", TMenuSource::Text, TText::JapanOrganizingCommittee1, 54, 0, true, false, TCommand::WebLink},  // 49
  {43, "OfficialFootballSites1", TMenuSource::Text, TText::OfficialFootballSites1, 0, 0, true, true, TCommand::None},  // 50
  {50, "Argentina1", TMenuSource::Team, TText::Count, 1, 1, false, false, TCommand::WebLink},  // 51
  {50, "Belgium1", TMenuSource::Team, TText::Count, 2, 2, true, false, TCommand::WebLink},  // 52
  {50, "Brazil1", TMenuSource::Team, TText::Count, 3, 3, true, false, TCommand::WebLink},  // 53
  {50, "Cameroon1", TMenuSource::Team, TText::Count, 4, 4, false, false, TCommand::WebLink},  // 54
  {50, "China1", TMenuSource::Team, TText::Count, 5, 5, false, false, TCommand::WebLink},  // 55
  {50, "CostaRica1", TMenuSource::Team, TText::Count, 6, 6, true, false, TCommand::WebLink},  // 56
  {50, "Croatia1", TMenuSource::Team, TText::Count, 7, 7, false, false, TCommand::WebLink},  // 57
  {50, "Denmark1", TMenuSource::Team, TText::Count, 8, 8, true, false, TCommand::WebLink},  // 58
  {50, "Ecuador1", TMenuSource::Team, TText::Count, 9, 9, false, false, TCommand::WebLink},  // 59
  {50, "England1", TMenuSource::Team, TText::Count, 10, 10, false, false, TCommand::WebLink},  // 60
  {50, "France1", TMenuSource::Team, TText::Count, 11, 11, true, false, TCommand::WebLink},  // 61
  {50, "Germany1", TMenuSource::Team, TText::Count, 12, 12, false, false, TCommand::WebLink},  // 62
  {50, "Ireland1", TMenuSource::Team, TText::Count, 13, 13, true, false, TCommand::WebLink},  // 63
  {50, "Italy1", TMenuSource::Team, TText::Count, 14, 14, false, false, TCommand::WebLink},  // 64
  {50, "Japan1", TMenuSource::Team, TText::Count, 15, 15, false, false, TCommand::WebLink},  // 65
  {50, "Mexico1", TMenuSource::Team, TText::Count, 16, 16, false, false, TCommand::WebLink},  // 66
  {50, "Nigeria1", TMenuSource::Team, TText::Count, 17, 17, false, false, TCommand::WebLink},  // 67
  {50, "Paraguay1", TMenuSource::Team, TText::Count, 18, 18, true, false, TCommand::WebLink},  // 68
  {50, "Poland1", TMenuSource::Team, TText::Count, 19, 19, false, false, TCommand::WebLink},  // 69
  {50, "Portugal1", TMenuSource::Team, TText::Count, 20, 20, true, false, TCommand::WebLink},  // 70
  {50, "Russia1", TMenuSource::Team, TText::Count, 21, 21, true, false, TCommand::WebLink},  // 71
  {50, "SaudiArabia1", TMenuSource::Team, TText::Count, 22, 22, false, false, TCommand::WebLink},  // 72
  {50, "Senegal1", TMenuSource::Team, TText::Count, 23, 23, false, false, TCommand::WebLink},  // 73
  {50, "Slovenia1", TMenuSource::Team, TText::Count, 24, 24, false, false, TCommand::WebLink},  // 74
  {50, "SouthAfrica1", TMenuSource::Team, TText::Count, 25, 25, true, false, TCommand::WebLink},  // 75
  {50, "SouthKorea1", TMenuSource::Team, TText::Count, 26, 26, true, false, TCommand::WebLink},  // 76
  {50, "Spain1", TMenuSource::Team, TText::Count, 27, 27, true, false, TCommand::WebLink},  // 77
  {50, "Sweden1", TMenuSource::Team, TText::Count, 28, 28, true, false, TCommand::WebLink},  // 78
  {50, "Tunisia1", TMenuSource::Team, TText::Count, 29, 29, true, false, TCommand::WebLink},  // 79
  {50, "Turkey1", TMenuSource::Team, TText::Count, 30, 30, true, false, TCommand::WebLink},  // 80
  {50, "Uruguay1", TMenuSource::Team, TText::Count, 31, 31, false, false, TCommand::WebLink},  // 81
  {50, "USA1", TMenuSource::Team, TText::Count, 32, 32, true, false, TCommand::WebLink},  // 82
  {-1, "About1", TMenuSource::Text, TText::About1, 0, 0, true, false, TCommand::About},  // 83
};

}  // namespace

const TMenuEntry *MenuEntries() { return Entries; }
std::size_t MenuEntryCount() { return std::size(Entries); }
