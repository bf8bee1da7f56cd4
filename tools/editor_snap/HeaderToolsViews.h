#pragma once

#include "support/EditorHarness.h"

// What the views of the header's tools and the band set up before the editor
// is built and do to it before the picture.
namespace editorsnap
{
// The editor opens with the pads band, whatever --band says.
void openPadsBand (fhtest::EditorHarness::Options& o);
// The editor opens with the keyboard band, whatever --band says.
void openKeyboardBand (fhtest::EditorHarness::Options& o);
// The machines' names on the pads, pad T3 held.
void showPadsBand (fhtest::EditorHarness& h);
// The keyboard on TRK 3's channel with two keys held.
void showKeyboardBand (fhtest::EditorHarness& h);
}   // namespace editorsnap
