#pragma once
// The user's preferences: what the options dialog chooses and the settings
// file keeps.

#include "core/settings/chartPaper.h"

#include <QString>
#include <optional>

struct TPreferences {
  int language = 0;              // 0 English, 1 Spanish, 2 French
  int favorite = 0;              // team number 1..32; a number outside names no team
  double timeZoneOffset = 0.0;   // the user's zone minus GMT+9, in days
  QString timeZoneCode = QStringLiteral("x35");
  // The wall chart's paper, once chosen other than the locale's (then kept
  // whatever is chosen later); none: the locale's, DefaultPaper().
  std::optional<TPaper> paper;
};

// The paper the wall chart is laid out for.
inline TPaper ChartPaper(const TPreferences &preferences) { return preferences.paper.value_or(DefaultPaper()); }
