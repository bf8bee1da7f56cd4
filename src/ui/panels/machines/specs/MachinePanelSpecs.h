#pragma once

#include "ui/panels/machines/MachinePanelSpec.h"

// The tables of the machine panels, one per machine type that has a panel of
// parameters. Each is built on first use and never changes.
namespace MachinePanelSpecs
{
    // Analog family.
    const MachinePanelSpec& bassDrumHard();          // 8 "BD HARD"
    const MachinePanelSpec& bassDrumClassic();       // 9 "BD CLASSIC"
    const MachinePanelSpec& bassDrumFM();            // 10 "BD FM"
    const MachinePanelSpec& bassDrumPlastic();       // 11 "BD PLASTIC"
    const MachinePanelSpec& bassDrumSilky();         // 12 "BD SILKY"
    const MachinePanelSpec& bassDrumSharp();         // 13 "BD SHARP"
    const MachinePanelSpec& snareDrumHard();         // 14 "SD HARD"
    const MachinePanelSpec& snareDrumClassic();      // 15 "SD CLASSIC"
    const MachinePanelSpec& snareDrumFM();           // 16 "SD FM"
    const MachinePanelSpec& snareDrumNatural();      // 17 "SD NATURAL"
    const MachinePanelSpec& rimshotHard();           // 18 "RS HARD"
    const MachinePanelSpec& rimshotClassic();        // 19 "RS CLASSIC"
    const MachinePanelSpec& dualVco();               // 20 "SY DUAL VCO"
    const MachinePanelSpec& handClapClassic();       // 21 "CP CLASSIC"
    const MachinePanelSpec& closedHihatClassic();    // 22 "CH CLASSIC"
    const MachinePanelSpec& openHihatClassic();      // 23 "OH CLASSIC "
    const MachinePanelSpec& cymbalClassic();         // 24 "CY CLASSIC"
    const MachinePanelSpec& cowbellClassic();        // 25 "CB CLASSIC"
    const MachinePanelSpec& closedHihatMetallic();   // 26 "CH METALLIC"
    const MachinePanelSpec& openHihatMetallic();     // 27 "OH METALLIC"
    const MachinePanelSpec& cymbalMetallic();        // 28 "CY METALLIC"
    const MachinePanelSpec& cowbellMetallic();       // 29 "CB METALLIC"
    const MachinePanelSpec& cymbalRide();            // 30 "CY RIDE"
    const MachinePanelSpec& hihatBasic();            // 31 "HH BASIC"
    const MachinePanelSpec& noiseGen();              // 32 "UT NOISE"
    const MachinePanelSpec& impulse();               // 33 "UT IMPULSE"
    const MachinePanelSpec& noMachine();             // 34 "DISABLE": no columns

    // Digital family.
    const MachinePanelSpec& digitalKick();        // 0 "BD MODERN"
}

// The help text of every overdrive slider.
inline constexpr const char* overdriveHelp =
    "Sets the overdrive (gain increase boost of the amp), located before the multi-mode filter in the signal path.";
