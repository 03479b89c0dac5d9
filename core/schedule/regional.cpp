#include "core/schedule/regional.h"

#include <QDateTime>
#include <QLocale>

namespace {

class TLocaleFormats : public TRegionalFormats {
public:
  explicit TLocaleFormats(const QLocale &locale)
      : Locale(locale),
        ShortDate(locale.dateFormat(QLocale::ShortFormat)),
        LongTime(ShownTimeFormat(locale.timeFormat(QLocale::LongFormat))),
        ShortTime(ShownTimeFormat(locale.timeFormat(QLocale::ShortFormat)))
  {
  }

  QString shortDate(const QDateTime &moment) const override
  {
    return Locale.toString(moment.date(), ShortDate);
  }
  QString longTime(const QDateTime &moment) const override
  {
    return Locale.toString(moment.time(), LongTime);
  }
  QString shortTime(const QDateTime &moment) const override
  {
    return Locale.toString(moment.time(), ShortTime);
  }
  QString weekdayName(const QDateTime &moment) const override
  {
    return Locale.dayName(moment.date().dayOfWeek(), QLocale::LongFormat);
  }

private:
  QLocale Locale;
  QString ShortDate;
  QString LongTime;
  QString ShortTime;
};

// A time format in pieces: quoted text, a run of one field letter, or the
// literal characters between them.
struct TFormatPiece {
  enum TKind { Quoted, Field, Literal } kind;
  QString text;
};

bool IsFieldLetter(QChar c)
{
  return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

QList<TFormatPiece> SplitFormat(const QString &format)
{
  QList<TFormatPiece> pieces;
  auto append = [&pieces](TFormatPiece::TKind kind, const QString &text) {
    if (kind == TFormatPiece::Literal && !pieces.isEmpty() &&
        pieces.back().kind == TFormatPiece::Literal)
      pieces.back().text += text;
    else
      pieces.append({kind, text});
  };
  const qsizetype n = format.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = format.at(i);
    qsizetype end = i + 1;
    if (c == QLatin1Char('\'')) {
      // Up to the closing quote; a doubled quote stands for one quote
      // character, inside quoted text or outside it.
      if (end < n && format.at(end) == QLatin1Char('\'')) {
        append(TFormatPiece::Literal, format.mid(i, 2));
        i += 2;
        continue;
      }
      while (end < n) {
        if (format.at(end) == QLatin1Char('\'')) {
          if (end + 1 < n && format.at(end + 1) == QLatin1Char('\'')) {
            end += 2;
            continue;
          }
          ++end;
          break;
        }
        ++end;
      }
      append(TFormatPiece::Quoted, format.mid(i, end - i));
    } else if (IsFieldLetter(c)) {
      while (end < n && format.at(end) == c)
        ++end;
      append(TFormatPiece::Field, format.mid(i, end - i));
    } else {
      append(TFormatPiece::Literal, QString(c));
    }
    i = end;
  }
  return pieces;
}

bool IsBlank(QChar c) { return c.isSpace(); }
bool IsZoneSeparator(QChar c) { return c.isSpace() || c == QLatin1Char(','); }

void ChopTrailing(QString &text, bool (*what)(QChar))
{
  while (!text.isEmpty() && what(text.back()))
    text.chop(1);
}

void ChopLeading(QString &text, bool (*what)(QChar))
{
  qsizetype k = 0;
  while (k < text.size() && what(text.at(k)))
    ++k;
  text.remove(0, k);
}

}  // namespace

QString ShownTimeFormat(const QString &timeFormat)
{
  QList<TFormatPiece> pieces = SplitFormat(timeFormat);
  static const QString Openers = QStringLiteral("([\uFF08\u3010");
  static const QString Closers = QStringLiteral(")]\uFF09\u3011");
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    TFormatPiece &piece = pieces[i];
    if (piece.kind == TFormatPiece::Field && piece.text.at(0) == QLatin1Char('B')) {
      // A day period the formatter does not know, which it would print as a
      // letter: its own AM/PM marker stands in for it.
      piece.text = QStringLiteral("AP");
      continue;
    }
    if (piece.kind != TFormatPiece::Field || piece.text.at(0) != QLatin1Char('t'))
      continue;

    // The zone goes, and with it the brackets around it and the separator
    // that leads to it.
    QString none;   // stands in for a missing literal before the zone
    const bool hasBefore = i > 0 && pieces[i - 1].kind == TFormatPiece::Literal;
    const bool hasAfter = i + 1 < pieces.size() && pieces[i + 1].kind == TFormatPiece::Literal;
    QString &before = hasBefore ? pieces[i - 1].text : none;
    QString after = hasAfter ? pieces[i + 1].text : QString();
    ChopTrailing(before, IsBlank);
    ChopLeading(after, IsBlank);
    const qsizetype bracket = before.isEmpty() ? -1 : Openers.indexOf(before.back());
    if (bracket >= 0 && after.startsWith(Closers.at(bracket))) {
      before.chop(1);
      after.remove(0, 1);
    } else if (hasAfter) {
      after = pieces[i + 1].text;   // no brackets: what follows stays as it was
    }
    ChopTrailing(before, IsZoneSeparator);
    const bool first = i == 0 || (hasBefore && i == 1 && before.isEmpty());
    if (first)
      ChopLeading(after, IsBlank);
    if (hasAfter)
      pieces[i + 1].text = after;
    pieces.removeAt(i);
    --i;
  }

  QString result;
  for (const TFormatPiece &piece : pieces)
    result += piece.text;
  return result;
}

std::shared_ptr<TRegionalFormats> RegionalFormatsOf(const QLocale &locale)
{
  return std::make_shared<TLocaleFormats>(locale);
}

std::shared_ptr<TRegionalFormats> DesktopRegionalFormats()
{
  return RegionalFormatsOf(QLocale::system());
}

const TRegionalFormats &FormatsOrSystem(const TRegionalFormats *formats)
{
  if (formats)
    return *formats;
  static const std::shared_ptr<TRegionalFormats> system = DesktopRegionalFormats();
  return *system;
}
