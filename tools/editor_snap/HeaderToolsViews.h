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
// The editor in a plug-in wrapper, whatever --wrapper says (the total-recall button's wrappers).
void openInPlugin (fhtest::EditorHarness::Options& o);
// The header's sidechain button clicked: the routing window over the editor.
void showSidechainWindow (fhtest::EditorHarness& h);
// The header's total-recall button clicked: the panel over the editor.
void showTotalRecallPanel (fhtest::EditorHarness& h);
// The panel, then "ENABLE NOW": the device's session active and its image stored.
void showTotalRecallPanelWithData (fhtest::EditorHarness& h);
// The editor's picture with the open header pop-up drawn where it shows on the screen.
std::unique_ptr<juce::Component> editorWithPopup (fhtest::EditorHarness& h);
// The routing window alone without a processor that offers input buses.
std::unique_ptr<juce::Component> sidechainWindowWithoutBuses (fhtest::EditorHarness& h);
}   // namespace editorsnap
