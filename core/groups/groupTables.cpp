#include "core/groups/groupTables.h"

namespace {

const std::array<TGroupSeeding, 8> Seeding = {{
  {{France, Denmark, Senegal, Uruguay}, {2, 1}, {3, 2}},           // A
  {{Paraguay, Slovenia, SouthAfrica, Spain}, {4, 1}, {1, 2}},      // B
  {{Brazil, China, CostaRica, Turkey}, {6, 1}, {7, 2}},            // C
  {{Poland, Portugal, SouthKorea, USA}, {8, 1}, {5, 2}},           // D
  {{Cameroon, Germany, Ireland, SaudiArabia}, {1, 1}, {4, 2}},     // E
  {{Argentina, England, Nigeria, Sweden}, {3, 1}, {2, 2}},         // F
  {{Croatia, Ecuador, Italy, Mexico}, {5, 1}, {8, 2}},             // G
  {{Belgium, Japan, Russia, Tunisia}, {7, 1}, {6, 2}},             // H
}};

}  // namespace

const TGroupSeeding &GroupSeeding(int group) { return Seeding.at(group); }
