#pragma once
// The team names' colours on the grid: the favourite's name in blue wherever
// it is shown, a pressed name in red while the mouse is down.

#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

class TTeamColours {
public:
  // The controls of the grid's panels that can show a team's name, in walk
  // order: every label and every score field.
  explicit TTeamColours(const QWidget *grid);

  // Every control showing the favourite's name in its colour, every other in
  // the default one. An empty favourite is nobody's name.
  void showFavourite(const QString &favourite);
  // Every control showing name in red; the favourite keeps its colour.
  void showPressed(const QString &name, const QString &favourite);
  // Whether every control shows its colour for this favourite, as long as
  // no text changed since.
  bool showing(const QString &favourite) const { return Shown && !Pressed && favourite == Favourite; }

private:
  enum class TColour : unsigned char { Default, Favourite, Pressed };
  struct TColoured {
    QWidget *control;
    QLabel *asLabel;
    QLineEdit *asField;
    TColour colour;
  };
  static QString textOf(const TColoured &c);
  static void colour(TColoured &c, TColour colour);
  std::vector<TColoured> Walk;
  bool Shown = false;
  bool Pressed = false;
  QString Favourite;
};
