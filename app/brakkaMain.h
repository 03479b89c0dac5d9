#pragma once
// The main window: the whole tournament on one screen. It builds the grid
// and the menu, hands the user's input to the document and shows the
// document's changes; it holds no tournament state of its own.

#include "desktop/platform.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TDocument;
class TGridInput;
class TGridView;
class TRecoveryKeeper;
struct TDocumentChange;
struct TGridControls;

class TMainForm : public QMainWindow {
  Q_OBJECT

public:
  // Reads the settings from the executable's folder and uses the real desktop.
  explicit TMainForm(QWidget *parent = nullptr);
  // Reads the settings from settingsDir; everything modal goes through platform.
  TMainForm(const QString &settingsDir, TPlatform platform, QWidget *parent = nullptr);
  ~TMainForm() override;

  TDocument &document() { return *Document; }
  const TDocument &document() const { return *Document; }
  TPlatform &platform() { return Platform; }
  const QString &settingsDir() const { return SettingsDir; }
  // Every control by its id.
  const TGridControls &controls() const { return *Controls; }

  // Controls by their object names, for tests; nullptr when there is none.
  QLineEdit *field(const QString &name) const;
  QLabel *label(const QString &name) const;
  QPushButton *button(const QString &name) const;
  QAction *menuItem(const QString &name) const;

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void FormCreate();
  // The interface language in every text of the window, the team names
  // of the grid included.
  void ApplyLanguage();
  void documentChanged(const TDocumentChange &change);
  QObject *byName(const QString &name) const;

  QString SettingsDir;
  TPlatform Platform;
  std::unique_ptr<TDocument> Document;
  std::unique_ptr<TGridControls> Controls;
  TGridView *View = nullptr;
  TGridInput *Input = nullptr;
  std::unique_ptr<TRecoveryKeeper> Recovery;
};
