#pragma once
// Score texts: what a score or penalty field holds and how two compare.

#include <QString>

// Texts that refer to the same characters are the same text: names and
// figures are shared static texts, and most copies share their characters.
inline bool SameText(const QString &a, const QString &b)
{
  return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

// A score field holds a score when its text is one or more decimal digits.
// Anything else (empty, or text pasted through the context menu) is no score.
bool IsScore(const QString &text);
// Compares two scores by value, whatever their length: -1, 0 or 1.
int CompareScores(const QString &a, const QString &b);

// What a paste puts into a score field: the first line of the pasted text
// without the blanks around it, when that is all ASCII digits; otherwise
// nothing (a score field never holds text that does not count).
QString PastedScore(const QString &pasted);
