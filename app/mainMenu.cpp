#include "app/mainMenu.h"

#include "app/gridControls.h"
#include "core/document/document.h"
#include "venues/menuPictures.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace {

int ItemIndex(TCommand command)
{
  for (std::size_t i = 0; i < MenuEntryCount(); ++i)
    if (MenuEntries()[i].command == command)
      return int(i);
  return -1;
}

}  // namespace

void BuildMainMenu(QMenuBar *bar, TGridControls &controls, const std::function<void(TCommand, int)> &run)
{
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QHash<QString, QMenu *> menus;
  for (std::size_t i = 0; i < MenuEntryCount(); ++i) {
    const TMenuEntry &e = MenuEntries()[i];
    const QString name = QLatin1String(e.name);
    const QString caption = e.source == TMenuSource::Text ? TextIn(LangEnglish, e.text) : name;
    QMenu *parentMenu = e.parent ? menus.value(QLatin1String(e.parent)) : nullptr;
    QAction *action = nullptr;
    if (e.submenu) {
      QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
      menu->setObjectName(name);
      SetPicturesOnFirstOpen(menu);
      menus.insert(name, menu);
      action = menu->menuAction();
    } else if (e.source == TMenuSource::Separator) {
      action = parentMenu->addSeparator();
    } else {
      action = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
      QObject::connect(action, &QAction::triggered, bar, [run, command = e.command, tag = e.tag] { run(command, tag); });
    }
    action->setObjectName(name);
    action->setData(e.tag);
    action->setEnabled(e.enabled);
    controls.add({TControlId::MenuItem, std::uint16_t(i)}, action);
  }
  controls.menuItem(ItemIndex(TCommand::Undo))->setShortcuts(QKeySequence::Undo);
  controls.menuItem(ItemIndex(TCommand::Redo))->setShortcuts(QKeySequence::Redo);
}

void ApplyMenuTexts(const TGridControls &controls, const TDocument &document)
{
  const int language = document.preferences().language;
  const TNames &names = document.names();
  for (std::size_t i = 0; i < MenuEntryCount(); ++i) {
    const TMenuEntry &e = MenuEntries()[i];
    QAction *item = controls.menuItem(int(i));
    switch (e.source) {
    case TMenuSource::Text: item->setText(TextIn(language, e.text)); break;
    case TMenuSource::Separator: break;
    case TMenuSource::HostKorea: item->setText(names.teams[SouthKorea]); break;
    case TMenuSource::HostJapan: item->setText(names.teams[Japan]); break;
    case TMenuSource::Venue: item->setText(VenueShortName(names.venues[std::size_t(e.item)])); break;
    case TMenuSource::Team: item->setText(names.teams[std::size_t(e.item)]); break;
    }
  }
  ShowUndoTexts(controls, document);
}

void ShowUndoTexts(const TGridControls &controls, const TDocument &document)
{
  QAction *undo = controls.menuItem(ItemIndex(TCommand::Undo));
  QAction *redo = controls.menuItem(ItemIndex(TCommand::Redo));
  undo->setEnabled(document.history().canUndo());
  undo->setText(document.undoText());
  redo->setEnabled(document.history().canRedo());
  redo->setText(document.redoText());
}
