#include "core/tournament/scoreText.h"

bool IsScore(const QString &text)
{
  if (text.isEmpty())
    return false;
  for (QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
  }
  return true;
}

int CompareScores(const QString &a, const QString &b)
{
  auto significant = [](const QString &s) {
    qsizetype i = 0;
    while (i + 1 < s.size() && s[i] == QLatin1Char('0'))
      ++i;
    return QStringView(s).mid(i);
  };
  const QStringView x = significant(a);
  const QStringView y = significant(b);
  if (x.size() != y.size())
    return x.size() < y.size() ? -1 : 1;
  const int c = x.compare(y);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString PastedScore(const QString &pasted)
{
  qsizetype lineEnd = 0;
  while (lineEnd < pasted.size() && pasted[lineEnd] != u'\r' && pasted[lineEnd] != u'\n')
    ++lineEnd;
  const QString line = pasted.left(lineEnd).trimmed();
  return IsScore(line) ? line : QString();
}
