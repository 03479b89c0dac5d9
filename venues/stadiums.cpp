#include "venues/stadiums.h"

#include <array>

namespace {

const std::array<TStadium, StadiumCount> Stadiums = {{
  {100, "Busan1", "Busan Stadium, ", "55982", "BusanImage", "busan.jpg",
   "http://www.busan.go.kr/", "http://www.busan-stadium.or.kr/brakka2002/"},
  {101, "Daegu1", "Daegu Brakka Stadium, ", "68014", "DaeguImage", "daegu.jpg",
   "http://www.daegu.go.kr/", "http://stadium.daegu.go.kr/"},
  {102, "Daejeon1", "Daejeon Brakka Stadium, ", "40407", "DaejeonImage", "daejeon.jpg",
   "http://www.daejeon.go.kr/", ""},
  {103, "Gwangju1", "Gwangju Brakka Stadium, ", "42880", "GwangjuImage", "gwangju.jpg",
   "http://www.gwangju.go.kr/", "http://stadium.gwangju.go.kr/"},
  {104, "Incheon1", "Incheon Munhak Stadium, ", "52179", "IncheonImage", "incheon.jpg",
   "http://www.incheon.go.kr/", "http://www.munhakstadium.or.kr/"},
  {105, "Jeonju1", "Jeonju Brakka Stadium, ", "42391", "JeonjuImage", "jeonju.jpg",
   "http://www.jeonju.go.kr/", "http://stadium.jeonju.go.kr/"},
  {106, "Seogwipo1", "Jeju Brakka Stadium, ", "42256", "SeogwipoImage", "seogwipo.jpg",
   "http://www.seogwipo.go.kr/", "http://www.jeju-stadium.or.kr/"},
  {107, "Seoul1", "Seoul Brakka Stadium, ", "63961", "SeoulImage", "seoul.jpg",
   "http://www.seoul.go.kr/", "http://www.seoul-stadium.or.kr/"},
  {108, "Suwon1", "Suwon Brakka Stadium, ", "43188", "SuwonImage", "suwon.jpg",
   "", "http://www.suwon-stadium.or.kr/"},
  {109, "Ulsan1", "Ulsan Munsu Football Stadium, ", "43550", "UlsanImage", "ulsan.jpg",
   "http://www.ulsan.go.kr/", "http://www.munsu-stadium.or.kr/"},
  {150, "Ibaraki1", "Ibaraki Prefectural Kashima Soccer Stadium, ", "42000", "IbarakiImage",
   "ibaraki.jpg", "http://www.pref.ibaraki.jp/", "http://www.kashima-stadium.jp/"},
  {151, "Kobe1", "Kobe Wing Stadium, ", "42000", "KobeImage", "kobe.jpg",
   "http://www.city.kobe.jp/", "http://www.kobe-wing-stadium.jp/"},
  {152, "Miyagi1", "Miyagi Stadium, ", "49000", "MiyagiImage", "miyagi.jpg",
   "http://www.pref.miyagi.jp/", "http://www.miyagi-stadium.jp/"},
  {153, "Niigata1", "Niigata Stadium Big Swan, ", "42300", "NiigataImage", "niigata.jpg",
   "http://www.pref.niigata.jp/", "http://www.bigswan.jp/"},
  {154, "Oita1", "Oita Stadium Big Eye, ", "43000", "OitaImage", "oita.jpg",
   "http://www.pref.oita.jp/", "http://www.oita-bigeye.jp/"},
  {155, "Osaka1", "Nagai Stadium, ", "50000", "OsakaImage", "osaka.jpg",
   "http://www.city.osaka.jp/", ""},
  {156, "Saitama1", "Saitama Stadium 2002, ", "63000", "SaitamaImage", "saitama.jpg",
   "http://www.pref.saitama.jp/", "http://www.stadium2002.jp/"},
  {157, "Sapporo1", "Sapporo Dome, ", "42000", "SapporoImage", "sapporo.jpg",
   "http://www.city.sapporo.jp/", "http://www.sapporo-dome.co.jp/"},
  {158, "Shizuoka1", "Shizuoka Stadium Ecopa, ", "50600", "ShizuokaImage", "shizuoka.jpg",
   "http://www.pref.shizuoka.jp/", "http://www.ecopa.jp/"},
  {159, "Yokohama1", "International Stadium Yokohama, ", "70000", "YokohamaImage", "yokohama.jpg",
   "http://www.city.yokohama.jp/", "http://www.stadium-yokohama.jp/"},
}};

int IndexOf(int code)
{
  for (int i = 0; i < StadiumCount; ++i)
    if (Stadiums[i].code == code)
      return i;
  return -1;
}

}  // namespace

const TStadium &StadiumAt(int index) { return Stadiums.at(index); }

const TStadium *StadiumByCode(int code)
{
  const int i = IndexOf(code);
  return i < 0 ? nullptr : &Stadiums[i];
}

int StepStadiumCode(int code, int steps)
{
  int i = IndexOf(code);
  if (i < 0) {
    if (steps == 0)
      return code;
    i = steps > 0 ? -1 : StadiumCount;
  }
  const int next = ((i + steps) % StadiumCount + StadiumCount) % StadiumCount;
  return Stadiums[next].code;
}

int StadiumHost(const TStadium &stadium) { return stadium.code < 150 ? 0 : 1; }

QString StadiumPicturePath(const TStadium &stadium)
{
  return QStringLiteral(":/venues/") + QLatin1String(stadium.picture);
}
