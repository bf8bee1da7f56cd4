#pragma once

#include "ui/panels/machines/MachinePanelTable.h"

// The tables of the machine panels, one per machine type that has a panel of
// parameters. Each is built on first use and never changes.
namespace MachinePanelTables
{
    // Analog family.
    const MachinePanelTable& bassDrumHard();          // 8 "BD HARD"
    const MachinePanelTable& bassDrumClassic();       // 9 "BD CLASSIC"
    const MachinePanelTable& bassDrumFM();            // 10 "BD FM"
    const MachinePanelTable& bassDrumPlastic();       // 11 "BD PLASTIC"
    const MachinePanelTable& bassDrumSilky();         // 12 "BD SILKY"
    const MachinePanelTable& bassDrumSharp();         // 13 "BD SHARP"
    const MachinePanelTable& snareDrumHard();         // 14 "SD HARD"
    const MachinePanelTable& snareDrumClassic();      // 15 "SD CLASSIC"
    const MachinePanelTable& snareDrumFM();           // 16 "SD FM"
    const MachinePanelTable& snareDrumNatural();      // 17 "SD NATURAL"
    const MachinePanelTable& rimshotHard();           // 18 "RS HARD"
    const MachinePanelTable& rimshotClassic();        // 19 "RS CLASSIC"
    const MachinePanelTable& dualVco();               // 20 "SY DUAL VCO"
    const MachinePanelTable& handClapClassic();       // 21 "CP CLASSIC"
    const MachinePanelTable& closedHihatClassic();    // 22 "CH CLASSIC"
    const MachinePanelTable& openHihatClassic();      // 23 "OH CLASSIC "
    const MachinePanelTable& cymbalClassic();         // 24 "CY CLASSIC"
    const MachinePanelTable& cowbellClassic();        // 25 "CB CLASSIC"
    const MachinePanelTable& closedHihatMetallic();   // 26 "CH METALLIC"
    const MachinePanelTable& openHihatMetallic();     // 27 "OH METALLIC"
    const MachinePanelTable& cymbalMetallic();        // 28 "CY METALLIC"
    const MachinePanelTable& cowbellMetallic();       // 29 "CB METALLIC"
    const MachinePanelTable& cymbalRide();            // 30 "CY RIDE"
    const MachinePanelTable& hihatBasic();            // 31 "HH BASIC"
    const MachinePanelTable& noiseGen();              // 32 "UT NOISE"
    const MachinePanelTable& impulse();               // 33 "UT IMPULSE"
    const MachinePanelTable& noMachine();             // 34 "DISABLE": no columns

    // Digital family.
    const MachinePanelTable& digitalKick();        // 0 "BD MODERN"
    const MachinePanelTable& digitalSnare();       // 1 "SD BASIC"
    const MachinePanelTable& digitalMetal();       // 2 "CY ALLOY"
    const MachinePanelTable& digitalPerc();        // 3 "PC CARBON"
    const MachinePanelTable& digitalTone();        // 4 "SY TONE"
    const MachinePanelTable& digitalChord();       // 5 "SY CHORD"
    const MachinePanelTable& digitalSnare2();      // 6 "SD VINTAGE"
    const MachinePanelTable& digitalClap();        // 7 "CP VINTAGE"
    const MachinePanelTable& digitalToy();         // 36 "SY TOY"
    const MachinePanelTable& digitalBits();        // 37 "SY BITS"
    const MachinePanelTable& digitalSuperSaw();    // 38 "SY SWARM"
    const MachinePanelTable& rawOscillator();      // 39 "SY RAW", on tracks T9 to T11
}

// The help text of every overdrive slider.
inline constexpr const char* overdriveHelp =
    "Sets the overdrive (gain increase boost of the amp), located before the multi-mode filter in the signal path.";

// Help texts that most digital machines share.
inline constexpr const char* digitalTuneHelp =
    "Offsets the incoming note value. This parameter is bipolar. A setting of 0 leaves the pitch unchanged.";
inline constexpr const char* digitalPunchHelp =
    "Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)";
inline constexpr const char* digitalDecayHelp = "Sets the length of the decay phase of the machines internal amp envelope.";
