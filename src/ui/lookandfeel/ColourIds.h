#pragma once

// The program's own colour ids: registered with their defaults by the look and
// feel's colour table and looked up by the widgets (own colour first, then the
// table). Only the ids that code refers to by name are listed here.
namespace CorvanelColourIds
{
// Knobs
constexpr int knobBackground = 0x2000005;
constexpr int knobValueText = 0x2000006;
constexpr int knobDisabledRing = 0x23388877;

// Static panels
constexpr int staticPanelBody = 0x2000100;
constexpr int staticPanelHeading = 0x2000101;
constexpr int staticPanelBorder = 0x2000103;

// Labels
constexpr int panelHeadingText = 0x2001109;
constexpr int panelHeadingBackground = 0x200110A;
constexpr int largeLabelText = 0x200110B;
constexpr int sneakyLabelText = 0x200110D;
constexpr int smallLabelText = 0x200110E;
constexpr int smallLabelBackground = 0x200111F;
constexpr int nameEditorBackground = 0x2200100;
constexpr int nameEditorBackgroundWhenEditing = 0x2200101;
constexpr int nameEditorText = 0x2200102;
constexpr int nameEditorTextWhenEditing = 0x2200103;

// Status lamp: outline in state 0, fills in states 1 to 4
constexpr int ledOutline = 0x2091239;
constexpr int ledFill1 = 0x209123A;
constexpr int ledFill2 = 0x209123B;
constexpr int ledFill3 = 0x209123C;
constexpr int ledFill4 = 0x209123D;

// Text (action) buttons
constexpr int actionButtonFillOff = 0x2002030;
constexpr int actionButtonFillOn = 0x2002031;
constexpr int actionButtonFillThird = 0x2002032;
constexpr int actionButtonOutlineOff = 0x2002040;
constexpr int actionButtonOutlineOn = 0x2002041;
constexpr int actionButtonTextOff = 0x2002050;
constexpr int actionButtonTextOn = 0x200205B;

// Tab-like text buttons
constexpr int customTabFillOff = 0x2002330;
constexpr int customTabFillOn = 0x2002331;
constexpr int customTabTextOff = 0x2002350;
constexpr int customTabTextOn = 0x2002351;

// Glyph buttons
constexpr int fontButtonGlyphOff = 0x20206200;
constexpr int fontButtonGlyphOn = 0x20206201;
constexpr int fontButtonBackgroundOff = 0x20206202;
constexpr int fontButtonBackgroundOn = 0x20206203;
constexpr int colourfulFontButtonGlyphOff = 0x20206204;
constexpr int colourfulFontButtonGlyphOn = 0x20206205;
constexpr int colourfulFontButtonBackgroundOff = 0x20206206;
constexpr int colourfulFontButtonBackgroundOn = 0x20206207;

// On/off switch
constexpr int onOffCaption = 0x2306501;
constexpr int onOffLitWhileOff = 0x2306502;
constexpr int onOffTrackWhileOff = 0x2306503;
constexpr int onOffBackground = 0x2306506;   // not in the table: each switch sets it

// Sound browser lists
constexpr int libraryRowEven = 0x2001030;
constexpr int libraryRowOdd = 0x2001031;
constexpr int libraryRowDropRefused = 0x2001032;
constexpr int libraryRowSelected = 0x2001033;
constexpr int libraryText = 0x2001034;
constexpr int libraryTextSelected = 0x2001035;
} // namespace CorvanelColourIds
