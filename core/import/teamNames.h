#pragma once
// Team names as other programs and data files write them: the program's own
// names in its three languages and the spellings of the open football data
// sources, recognised in any letter case, with or without accents.

#include "core/i18n/names.h"

#include <QStringView>

// The team a name stands for, or NoTeam. Letter case, accents, blanks and
// punctuation do not count ("KOREA REPUBLIC", "Cote d'Ivoire", "EE. UU.").
TTeam RecogniseTeam(QStringView name);

// The key a name is looked up under: its letters and digits without accents,
// case-folded ("Corée du Sud" -> "coreedusud").
QString TeamNameKey(QStringView name);

// The other spellings the sources use for a team, beside its names in the
// three languages (nullptr ends the list); for tests and for the preview.
const char16_t *const *TeamSpellings(TTeam team);
