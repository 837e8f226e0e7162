#pragma once

// The program's main loop, one event at a time: events of the tab panel regenerate the output,
// the "+" buttons and the Return key move an entry field's text into its list, a double-click
// on a list item deletes it after a question, and a close request ends the loop after a
// question. Everything the user entered stays in the widgets; a turn keeps nothing.

#include "toolkit/toolkit.h"

namespace quillmoor::app {

enum class LoopTurn { Continue, Quit };

// Handles one event just taken from toolkit::WaitForEvent() or toolkit::PollEvent(), reading
// its details from the toolkit. Returns Quit only when the user confirmed the quit question.
// May show a modal question, which blocks until it is answered.
LoopTurn HandleEvent(toolkit::EventKind event);

// Builds the class description from the form's widgets, runs the generator on it and replaces
// the whole text of the output editor with the result. Posts no event.
void Regenerate();
// Appends the entry field's text, unchanged, to the list, empties the field and gives it the
// focus back. An empty field changes nothing and leaves the focus where it is. Moving the focus
// makes the toolkit post the fields' focus events, which the loop ignores; nothing else is
// posted.
void AddEntry(int entryField, int list);
// Asks whether to delete, and on yes removes the list's selected item, if it has one. Posts no
// event.
void DeleteEntry(int list);

}  // namespace quillmoor::app
