#pragma once

// The program's single window: a tab panel with the pages "Allgemein" (the four names and the
// test-object check box), "Klasse" (the methods and attributes lists with their entry fields)
// and "Output" (the generated text). The widgets carry the numbers of gadget_ids.h; they hold
// everything the user enters, so the form has no state of its own.

namespace quillmoor::app {

// Opens window 0, builds every widget with its initial text, names for screen readers those
// whose text or caption does not reach them, styles the output editor, the two entry fields
// and the two lists, and binds the window's Return key to kReturnMenuEvent.
// Call once, after toolkit::InitToolkit(). Posts no event.
// Returns false when the window or its widget container cannot be created; no widget exists
// then, and toolkit::LastFailure() may tell why.
bool BuildMainForm();

}  // namespace quillmoor::app
