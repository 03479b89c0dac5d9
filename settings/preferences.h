#pragma once
// The user's preferences, held for the whole run.

#include <QString>

extern int LanguageIndex;       // 0 English, 1 Spanish, 2 French
extern int FavoriteIndex;       // team number 1..32, 0 for none
extern double TimeZoneOffset;   // the user's zone minus GMT+9, in days
extern QString TimeZoneCode;
extern bool FirstRun;
extern bool RelabelRequest;

// Back to the values in force before any preference is chosen.
void ResetPreferences();
