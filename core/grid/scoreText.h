#pragma once
// Score texts: what a score or penalty field holds and how two compare.

#include <QString>

// A score field holds a score when its text is one or more decimal digits.
// Anything else (empty, or text pasted through the context menu) is no score.
bool IsScore(const QString &text);
// Compares two scores by value, whatever their length: -1, 0 or 1.
int CompareScores(const QString &a, const QString &b);

// What a paste puts into a score field: the first line of the pasted text
// without the blanks around it, when that is all ASCII digits; otherwise
// nothing (a score field never holds text that does not count).
QString PastedScore(const QString &pasted);
