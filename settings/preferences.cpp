#include "settings/preferences.h"

int LanguageIndex = 0;
int FavoriteIndex = 0;
double TimeZoneOffset = 0.0;
QString TimeZoneCode = QStringLiteral("x35");
bool FirstRun = false;
bool RelabelRequest = false;

void ResetPreferences()
{
  LanguageIndex = 0;
  FavoriteIndex = 0;
  TimeZoneOffset = 0.0;
  TimeZoneCode = QStringLiteral("x35");
  FirstRun = false;
  RelabelRequest = false;
}
