#pragma once
// The user's preferences: what the options dialog chooses and the settings
// file keeps.

#include <QString>

struct TPreferences {
  int language = 0;              // 0 English, 1 Spanish, 2 French
  int favorite = 0;              // team number 1..32; a number outside names no team
  double timeZoneOffset = 0.0;   // the user's zone minus GMT+9, in days
  QString timeZoneCode = QStringLiteral("x35");
};
