#pragma once
// The pool's chart: every entry's points after each day with results, a
// line an entry, with a legend in the table's order; the entry chosen in
// the table is highlighted. Drawn with QPainter, on screen and into the
// PNG and SVG files the chart is saved as.

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QWidget>
#include <vector>

class QPainter;

struct TPoolChartLine {
  int entry = 0;              // the entry's index in the folder: it keeps its colour whatever its rank
  QString name;
  std::vector<int> points;    // after each day
};
struct TPoolChartData {
  std::vector<QDate> days;
  std::vector<TPoolChartLine> lines;   // in the legend's order
  int language = 0;
};

struct TChartColours {
  QColor background;
  QColor text;
  QColor grid;
};

// The chart in rect, the selected entry's line highlighted (-1: none), and a
// title above it when one is given.
void DrawPoolChart(QPainter &painter, const QRectF &rect, const TPoolChartData &data, int selected,
                   const TChartColours &colours, const QString &title = QString());

// The chart as the bytes of a PNG or an SVG file, black on white, with a title.
enum class TPictureFormat { Png, Svg };
QByteArray PoolChartPicture(const TPoolChartData &data, int selected, TPictureFormat format,
                            const QString &title);

class TPoolChart : public QWidget {
  Q_OBJECT
public:
  explicit TPoolChart(QWidget *parent);

  void setData(TPoolChartData data);
  const TPoolChartData &data() const { return Data; }
  void setSelected(int entry);
  int selected() const { return Selected; }
  // The entry whose line or legend row is at a point of the widget; -1 for none.
  int entryAt(const QPointF &point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  // The user chose an entry: a click on its line or its legend row, or the
  // arrow keys.
  void entryChosen(int entry);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QRectF chartRect() const;

  TPoolChartData Data;
  int Selected = -1;
};
