#pragma once
// What the keyboard and the mouse do on the grid: the score fields' key
// filter and menu (whose Paste keeps to the typing limit, whose Undo and
// Redo are the document's), a press on a team's name, the champion's link
// to the celebration, and the keyboard's ways to what the mouse does.

#include <QObject>
#include <functional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPoint;
class TDocument;
class TGridView;
struct TGridControls;

class TGridInput : public QObject {
  Q_OBJECT

public:
  // celebrate opens the champion's celebration.
  TGridInput(TDocument &document, const TGridControls &controls, std::function<void()> celebrate,
             QObject *parent = nullptr);
  // The view that shows a pressed team's name.
  void setView(TGridView *view) { View = view; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool keyPasses(QLineEdit *field, QKeyEvent *event) const;
  bool keyboardWay(QObject *watched, QKeyEvent *event);
  void showScoreFieldMenu(QLineEdit *field, const QPoint &globalPos);
  void pasteWithinLimit(QLineEdit *field);
  void namePressed(QLabel *label);
  void nameReleased(QLabel *label);
  void championHovered();

  TDocument &Document;
  const TGridControls &Controls;
  TGridView *View = nullptr;
  std::function<void()> Celebrate;
  // A click on the champion opens the celebration: from the start, then as
  // the mouse moves over it.
  bool ChampionClickArmed = true;
};
