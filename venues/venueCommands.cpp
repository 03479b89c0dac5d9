// The venue viewer and the web links of the menu.

#include "app/brakkaMain.h"

void TMainForm::VenueFormSetup(QAction *) {}

void TMainForm::CountryWebLink(QAction *) {}

void TMainForm::OpenWebPage(const QString &) {}
