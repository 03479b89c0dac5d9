#pragma once
// The wall chart: the whole tournament on one landscape page, laid out as
// boxes, texts and lines in points (1/72 inch) from the page's top left
// corner. Groups A to D fill the top band, E to H the bottom one; between
// them the bracket runs from the 1/8 finals at both edges to the final in
// the middle, with the champion above it and the third-place match below.
// Whoever draws the chart draws exactly this, so that its geometry can be
// checked without pixels.

#include "core/settings/chartPaper.h"
#include "core/settings/preferences.h"

#include <QDate>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

class TRegionalFormats;
class TTournament;

// A paper's page, landscape, in points.
QSizeF ChartPageSize(TPaper paper);

// What a text is; its font follows from it.
enum class TChartRole : std::uint8_t {
  Title,      // the tournament
  Heading,    // a group's and a stage's title, the champion's caption
  Team,       // a team's name, a slot's words or a score in a match
  Table,      // a line of a group's table
  Detail,     // kick-off and venue, the date printed, a table's headings
  Champion,   // the champion's name
};
constexpr int ChartRoleCount = 6;

struct TChartFont {
  TChartRole role;
  qreal size;   // in points
  bool bold;
};

enum class TChartInk : std::uint8_t { Text, Favourite, Muted };
enum class TChartAlign : std::uint8_t { Left, Centre, Right };

// A text on one line, vertically centred in its box.
struct TChartText {
  QRectF box;
  QString text;
  TChartFont font;
  TChartAlign align;
  TChartInk ink;
};

enum class TChartFill : std::uint8_t {
  Panel,       // a group's panel
  Match,       // a knockout match
  Champion,    // the champion's box
  Score,       // a group match's score, inside its panel
  Qualified,   // the table line of places 1 and 2, inside its panel
};
// Panels, knockout matches and the champion's box stand side by side; score
// boxes and qualified lines lie inside a panel.
inline bool IsOuterBox(TChartFill fill) { return fill <= TChartFill::Champion; }

struct TChartBox {
  QRectF box;
  TChartFill fill;
};

// The bracket's lines, each from a match's box to the next match's.
struct TChartLine {
  QPointF from;
  QPointF to;
};

struct TChartLayout {
  QSizeF page;
  std::vector<TChartBox> boxes;   // in drawing order: outer boxes first
  std::vector<TChartText> texts;
  std::vector<TChartLine> lines;
  qreal lineWidth = 0;            // of the lines and the boxes' frames
};

// How wide a text is in a font, and how high a line of it, in points: the
// metrics of the font the chart is drawn in.
class TChartMetrics {
public:
  virtual ~TChartMetrics() = default;
  virtual qreal width(const TChartFont &font, const QString &text) const = 0;
  virtual qreal height(const TChartFont &font) const = 0;
};

// The chart of the tournament as it stands, in the preferences' language,
// with their favourite and time zone; kick-offs in the regional formats;
// printed the day given, on a page of the size given (points). Every text
// fits its box in metrics' fonts: where the page is too small for the
// texts, the fonts are made smaller.
TChartLayout LayOutChart(const TTournament &tournament, const TPreferences &preferences,
                         const TRegionalFormats &formats, const QDate &printed, const QSizeF &page,
                         const TChartMetrics &metrics);
