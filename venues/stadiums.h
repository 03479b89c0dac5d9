#pragma once
// The twenty venues of the venue viewer, in their cyclic order: the code each
// venue's menu item carries as its tag, the stadium's name text, capacity,
// picture and the two web links.

#include <QString>

struct TStadium {
  int code;                 // 100..109 in South Korea, 150..159 in Japan
  const char *menuItem;     // "Busan1"
  const char *stadiumName;  // "Busan Stadium, ": the country follows directly
  const char *capacity;     // shown as it stands, without grouping
  const char *image;        // the picture control's name, "BusanImage"
  const char *picture;      // the picture's file below resources/venues
  const char *cityLink;     // the host city's (or prefecture's) site; empty for none
  const char *stadiumLink;  // the stadium's site for the tournament; empty for none
};

constexpr int StadiumCount = 20;

// Row i of the table, i in 0..19 (the cyclic order).
const TStadium &StadiumAt(int index);
// The row of a venue code, or nullptr for a code outside the table.
const TStadium *StadiumByCode(int code);
// The code `steps` places after `code` in the cyclic order (negative: before).
// From a code outside the table, a step forward gives the first venue and a
// step back the last.
int StepStadiumCode(int code, int steps);
// 0 for a venue in South Korea, 1 for one in Japan: the host of
// HostCountryNameIn.
int StadiumHost(const TStadium &stadium);
// The compiled-in picture, ":/venues/busan.jpg".
QString StadiumPicturePath(const TStadium &stadium);
