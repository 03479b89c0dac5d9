#include "core/groups/fixtures.h"

namespace {

// Side 1 - side 2 of each match in match order, with the display row of the
// few matches shown out of order.
const std::array<TGroupFixtures, GroupCount> Fixtures = {{
  // A
  {{{France, Senegal, 1, false}, {Uruguay, Denmark, 2, false}, {Denmark, Senegal, 4, false},
    {France, Uruguay, 3, false}, {Denmark, France, 5, false}, {Senegal, Uruguay, 6, false}}},
  // B
  {{{Paraguay, SouthAfrica, 1, false}, {Spain, Slovenia, 2, false}, {Spain, Paraguay, 3, false},
    {SouthAfrica, Slovenia, 4, false}, {SouthAfrica, Spain, 5, false}, {Slovenia, Paraguay, 6, false}}},
  // C
  {{{Brazil, Turkey, 1, false}, {China, CostaRica, 2, false}, {Brazil, China, 3, false},
    {CostaRica, Turkey, 4, false}, {CostaRica, Brazil, 5, false}, {Turkey, China, 6, false}}},
  // D
  {{{SouthKorea, Poland, 1, false}, {USA, Portugal, 2, false}, {SouthKorea, USA, 3, false},
    {Portugal, Poland, 4, false}, {Portugal, SouthKorea, 5, false}, {Poland, USA, 6, false}}},
  // E
  {{{Ireland, Cameroon, 1, false}, {Germany, SaudiArabia, 2, false}, {Germany, Ireland, 3, false},
    {Cameroon, SaudiArabia, 4, false}, {SaudiArabia, Ireland, 6, false}, {Cameroon, Germany, 5, false}}},
  // F
  {{{Argentina, Nigeria, 2, false}, {England, Sweden, 1, false}, {Sweden, Nigeria, 3, false},
    {Argentina, England, 4, false}, {Sweden, Argentina, 5, false}, {Nigeria, England, 6, false}}},
  // G
  {{{Croatia, Mexico, 1, false}, {Italy, Ecuador, 2, false}, {Italy, Croatia, 3, false},
    {Mexico, Ecuador, 4, false}, {Mexico, Italy, 5, false}, {Ecuador, Croatia, 6, false}}},
  // H
  {{{Japan, Belgium, 1, false}, {Russia, Tunisia, 2, false}, {Russia, Japan, 3, true},
    {Tunisia, Belgium, 4, false}, {Tunisia, Japan, 5, false}, {Belgium, Russia, 6, false}}},
}};

}  // namespace

const TGroupFixtures &GroupFixtures(int group) { return Fixtures.at(group); }
