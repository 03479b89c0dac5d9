#pragma once
// What the prediction pool keeps in Brakka.ini's [POOL] section: the points
// each kind of right prediction is worth, and the folder of the entries.

#include <QString>
#include <array>

// The scoring values, in the order the section keeps them.
enum class TPoolValue : int { Exact, Difference, Outcome, Round16, Quarter, Semi, Final, Champion };
constexpr int PoolValueCount = 8;
using TPoolValues = std::array<int, PoolValueCount>;

constexpr int PoolValueMax = 99;
constexpr TPoolValues DefaultPoolValues = {3, 2, 1, 1, 2, 3, 4, 5};

inline int ValueOf(const TPoolValues &values, TPoolValue v) { return values[std::size_t(v)]; }

// The key of a value in [POOL]: "Exact" ... "Champion".
inline const char *PoolValueKey(int value)
{
  static const char *const keys[PoolValueCount] = {"Exact", "Difference", "Outcome", "Round16",
                                                   "Quarter", "Semi", "Final", "Champion"};
  return keys[value];
}

struct TPoolSettings {
  TPoolValues values = DefaultPoolValues;
  QString folder;   // empty until one is chosen

  bool operator==(const TPoolSettings &o) const { return values == o.values && folder == o.folder; }
};
