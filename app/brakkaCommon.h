#pragma once
// Routines shared by the grid's handlers: reading scores, the key filter of
// the score fields, control state helpers and the knockout pairing routine.

#include <QString>
#include <Qt>

class QLabel;
class QLineEdit;
class QWidget;

// A score field holds a score when its text is one or more decimal digits.
// Anything else (empty, or text pasted through the context menu) is no score.
bool IsScore(const QString &text);
// Compares two scores by value, whatever their length: -1, 0 or 1.
int CompareScores(const QString &a, const QString &b);

// What a paste puts into a score field: the first line of the pasted text
// without the blanks around it, when that is all ASCII digits; otherwise
// nothing (a score field never holds text that does not count).
QString PastedScore(const QString &pasted);

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

// Decides one knockout match from its goals (then penalties) and fills or
// resets the following stage's slot. Emptying fields runs their change
// handlers before this returns.
void AdvanceWinner(QLineEdit *Score1, QLineEdit *Score2, QLineEdit *Pen1, QLineEdit *Pen2,
                   QLineEdit *NextField, QLabel *Team1Lbl, QLabel *Team2Lbl, QLabel *PenLbl,
                   QLabel *NextLbl);
