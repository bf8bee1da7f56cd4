#pragma once

#include "support/EditorHarness.h"

// What the sound browser's views do to the editor before the picture.
namespace editorsnap
{
// The "Sound Browser" section with the tag "Kick" and the voice "TRK 1" on.
void showBrowserFiltered (fhtest::EditorHarness& h);
// The same filters, folded away under "SHOW FILTERS".
void showBrowserFiltersHidden (fhtest::EditorHarness& h);
// Bank A scrolled to its protected bass drum, the trackless clap and the empty slots after them.
void showBrowserProtectedSlots (fhtest::EditorHarness& h);
// A sound selected and Delete pressed: the question in the footer.
void showBrowserDeleteQuestion (fhtest::EditorHarness& h);
// The track rows while a drum sound is held over them (accepted and refused) beside the pool.
void showBrowserDropColours (fhtest::EditorHarness& h);
}   // namespace editorsnap
