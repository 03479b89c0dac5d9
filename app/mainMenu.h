#pragma once
// The main menu MainMenu1, built from its table (app/menuTable.h): each
// item takes its text from the text tables or the names in the interface
// language, and runs its command.

#include "app/menuTable.h"

#include <functional>

class QMenuBar;
class TDocument;
struct TGridControls;

// Builds the menu into bar, putting every item into the controls' table;
// an item runs its command through run (with the item's tag).
void BuildMainMenu(QMenuBar *bar, TGridControls &controls,
                   const std::function<void(TCommand, int)> &run);
// Every item's text in the document's language.
void ApplyMenuTexts(const TGridControls &controls, const TDocument &document);
// Undo and Redo: enabled while there is a step, named after it.
void ShowUndoTexts(const TGridControls &controls, const TDocument &document);
