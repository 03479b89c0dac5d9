#pragma once
// The grid as the document's view: it shows the tournament in the
// interface language, and after each of the document's operations writes,
// once, each control whose value changed; the team colours, the hints of
// the names and marks, the titles and headings follow.

#include "app/gridControls.h"
#include "app/gridState.h"

#include <QObject>
#include <QString>
#include <memory>

class TDocument;
class TRegionalFormats;
class TTeamColours;
struct TDocumentChange;

class TGridView : public QObject {
  Q_OBJECT

public:
  // Shows every change of the document from now on; applyLanguage shows it
  // as it is, once its owner has set up the window's texts. formats gives the kick-off texts of the hints (the system's when null).
  TGridView(TDocument &document, TGridControls &controls, std::shared_ptr<TRegionalFormats> formats,
            QObject *parent = nullptr);
  ~TGridView() override;

  // The interface language in every text of the grid: titles, headings,
  // hints, the team names.
  void applyLanguage();
  // The favourite's name in blue wherever it is shown; a name pressed in red.
  void highlightFavourite();
  void highlightTeam(const QString &name);

private:
  void changed(const TDocumentChange &change);
  void showTournament(const TTournament::TChanges &changes);
  void writeControls();
  void writeMarkHints(int group);
  void writeMatchHints();

  TDocument &Document;
  TGridControls &Controls;
  std::shared_ptr<TRegionalFormats> Formats;
  TGrid Grid;   // what the controls show
  std::unique_ptr<TTeamColours> Colours;
  // What the match hints were last written from.
  struct {
    int language = -1;
    double timeZoneOffset = 0.0;
  } HintSource;
};
