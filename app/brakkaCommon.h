#pragma once
// Routines shared by the grid's controls: the key filter of the score
// fields, control state helpers and the team colours.

#include "core/tournament/scoreText.h"

#include <QString>
#include <Qt>

class QColor;
class QLabel;
class QWidget;

// The score fields' key filter: digits and backspace pass, as do keys that
// only move the cursor or the focus; every other key (letters, minus, space,
// Enter, the clipboard and undo shortcuts) is dropped. With twoCharLimit a
// digit that would make the text longer than two characters is dropped too.
bool KeyPassesFilter(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                     int textLength, int selectedLength, bool twoCharLimit);

// A control's own enabled flag, whatever its parents'.
bool OwnEnabled(const QWidget *w);
void SetBold(QLabel *label, bool bold);
bool IsBold(const QLabel *label);

// How a team's name is coloured on the grid: the window-text colour, the
// favourite's blue or the pressed team's red.
enum class TTeamHue : unsigned char { Default, Favourite, Pressed };

// Contrast of two colours as screen-reading guidelines measure it (relative
// luminance, sRGB): from 1 (alike) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// The colour of a favourite or pressed team's name on a background: pure blue
// or red on a light background; on a dark one (lightness below one half) the
// least lightened shade of that hue that reads at 4.5:1 at least, or the
// palest shade still recognisably of the hue where none does.
QColor TeamHueColour(TTeamHue hue, const QColor &background);

// Shows a team-name label or field in a hue, against the background it has;
// it keeps a readable shade when the palette changes later.
void ShowTeamHue(QWidget *control, TTeamHue hue);
