#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/controls/SelectorControls.h"
#include "ui/panels/machines/controls/TransientControl.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The bass drums of tracks T9 to T11.

namespace
{
constexpr const char* waveformHelp = "Sets the oscillator waveform to sine, asymmetric sine or triangle.";

std::unique_ptr<CustomColumnControl> makeWaveformSelector()
{
    return std::make_unique<WaveformSelectorControl> (juce::translate (waveformHelp));
}

// The plastic drum's modulation types A and B as the buttons "0" and "1".
std::unique_ptr<CustomColumnControl> makeModulationTypeSelector()
{
    std::vector<std::unique_ptr<ActionButton>> buttons;
    buttons.push_back (std::make_unique<ColorfulActionButton> ("0", juce::String()));
    buttons.push_back (std::make_unique<ColorfulActionButton> ("1", juce::String()));
    return std::make_unique<ButtonRowControl> (
        std::make_unique<ButtonRowSelector> (std::move (buttons), 1),
        juce::translate ("The first (A) is linear Frequency Modula- tion between the oscillators. The second (B) is FM combined with ring modulation."),
        [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x, c.top + 28, c.width, 64); });
}
} // namespace

const MachinePanelTable& MachinePanelTables::bassDrumHard()
{
    static const MachinePanelTable table {
        8, &analogFamily,
        {
            { "Tune", Sound_BdHardTune, ControlKind::tune, "Sets the pitch of the oscillator." },
            { "Sweep Time", Sound_BdHardSweepTime, ControlKind::unipolar, "Sets the pitch sweep time. The depth of the sweep is fixed." },
            { "Snap Amount", Sound_BdHardSnapAmount, ControlKind::unipolar, "Sets the snap transient level." },
            { "Decay Time", Sound_BdHardDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            MachineColumn ("", Sound_BdHardWaveform, ControlKind::custom, waveformHelp).withCustom (makeWaveformSelector),
            { "Hold Time", Sound_BdHardHoldTime, ControlKind::unipolar, "Sets the hold time, the time before the decay phase starts." },
            { "Tick Level", Sound_BdHardTickLevel, ControlKind::unipolar, "Sets the level of transient tick." },
            { "Overdrive", Sound_BdHardLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::bassDrumClassic()
{
    static const MachinePanelTable table {
        9, &analogFamily,
        {
            { "Tune", Sound_BdClassicTune, ControlKind::tune, "Sets the pitch of the oscillator." },
            { "Sweep Time", Sound_BdClassicSweepTime, ControlKind::unipolar, "Sets the pitch sweep time. Low values result in a short sweep." },
            { "Sweep Depth", Sound_BdClassicSweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            { "Decay Time", Sound_BdClassicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            MachineColumn ("", Sound_BdClassicWaveform, ControlKind::custom, waveformHelp).withCustom (makeWaveformSelector),
            { "Hold Time", Sound_BdClassicHoldTime, ControlKind::unipolar, "Sets the hold time, the time before the decay phase starts." },
            MachineColumn ("Transient", Sound_BdClassicTransient, ControlKind::custom, "Sets the level of the tick or noise transient sound.")
                .withCustom ([] { return std::make_unique<TransientControl> (juce::translate ("Sets the level of the tick or noise transient sound.")); }),
            { "Overdrive", Sound_BdClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::bassDrumFM()
{
    static const MachinePanelTable table {
        10, &analogFamily,
        {
            { "Tune", Sound_BdFmTune, ControlKind::tune, "Sets the pitch of the first (modulated) oscillator." },
            { "Sweep Time", Sound_BdFmSweepTime, ControlKind::unipolar, "Sets the pitch sweep time of the first (modulated) oscillator." },
            MachineColumn ("FM Decay Time", Sound_BdFmFmDecayTime, ControlKind::unipolar, "Sets the decay time of the second (modulating) oscillator.")
                .withCaptionWiden (8),
            { "Decay Time", Sound_BdFmDecayTime, ControlKind::unipolar,
              "Sets the length of the decay phase of the first (modulated) oscillator and, consequently, the whole drum sound." },
            { "FM Tune", Sound_BdFmFmTune, ControlKind::bipolar, "Sets the pitch of the second (modulating) oscillator." },
            MachineColumn ("FM Sweep Time", Sound_BdFmFmSweepTime, ControlKind::unipolar,
                           "Sets the pitch sweep time of the second (modulating) oscillator.")
                .withWidthDelta (4),
            MachineColumn ("FM Amount", Sound_BdFmFmAmount, ControlKind::unipolar,
                           "Sets the amount of frequency modulation from the second oscillator to the first.")
                .withWidthDelta (-4),
            { "Overdrive", Sound_BdFmLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::bassDrumPlastic()
{
    static const MachinePanelTable table {
        11, &analogFamily,
        {
            { "Tune", Sound_BdPlasticTune, ControlKind::tune, "Sets the pitch of the two interacting oscillator." },
            { "Sweep Time", Sound_BdPlasticSweepTime, ControlKind::unipolar, "Sets the pitch sweep time of the two interacting oscillators." },
            { "Sweep Depth", Sound_BdPlasticSweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            MachineColumn ("Decay Time", Sound_BdPlasticDecayTime, ControlKind::unipolar, "Sets the length of the decay phase.").withCaptionWiden (-2),
            MachineColumn ("Modulation Type", Sound_BdPlasticModulationType, ControlKind::custom,
                           "The first (A) is linear Frequency Modula- tion between the oscillators. The second (B) is FM combined with ring modulation.")
                .withCustom (makeModulationTypeSelector)
                .withCaptionWiden (4),
            MachineColumn ("Modulation Level", Sound_BdPlasticModulationLevel, ControlKind::unipolar,
                           "Sets the modulation depth. Both types of modulation (A,B) produce distinctive harmonics and the plastic buoyancy.")
                .withCaptionPlace ([] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 3, c.top, std::max (c.width - 12, 0) + 22, 20); })
                .withControlPlace ([] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 14, c.top + 20, std::max (c.width - 12, 0), 54); }),
            MachineColumn ("Tick Level", Sound_BdPlasticTickLevel, ControlKind::unipolar, "Sets the level of the transient tick volume.")
                .withCaptionWiden (-2),
            { "Overdrive", Sound_BdPlasticLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::bassDrumSilky()
{
    static const MachinePanelTable table {
        12, &analogFamily,
        {
            { "Tune", Sound_BdSilkyTune, ControlKind::tune, "Sets the pitch of the oscillator." },
            { "Sweep Time", Sound_BdSilkySweepTime, ControlKind::unipolar, "Sets the pitch sweep time." },
            { "Sweep Depth", Sound_BdSilkySweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            { "Decay Time", Sound_BdSilkyDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Dust Level", Sound_BdSilkyDustLevel, ControlKind::unipolar, "Sets the level of subtle tape-like static." },
            { "Hold Time", Sound_BdSilkyHoldTime, ControlKind::unipolar, "Sets the length of the hold phase." },
            { "VCO Click", Sound_BdSilkyVCOClick, ControlKind::unipolar, "Sets the soft, oscillator-generated click level." },
            { "Overdrive", Sound_BdSilkyLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::bassDrumSharp()
{
    static constexpr const char* sharpWaveformHelp =
        "Sets the waveform. There are five waveforms to choose from (Sine, Asymmetric Sine, Triangle, Sinetooth and Sawtooth), and there is a choice between letting the oscillator run freely, or have it reset each time the sound is trigged.";
    static const MachinePanelTable table {
        13, &analogFamily,
        {
            { "Tune", Sound_BdSharpTune, ControlKind::tune, "Sets the pitch of the oscillator." },
            { "Sweep Time", Sound_BdSharpSweepTime, ControlKind::unipolar, "Sets the pitch sweep time." },
            { "Sweep Depth", Sound_BdSharpSweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            { "Decay Time", Sound_BdSharpDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            MachineColumn ("Waveform", Sound_BdSharpWaveform, ControlKind::custom, sharpWaveformHelp)
                .withCustom ([] { return std::make_unique<SharpWaveformControl> (juce::translate (sharpWaveformHelp)); }),
            { "Hold Time", Sound_BdSharpHoldTime, ControlKind::unipolar, "Sets the length of the hold phase." },
            { "Tick Level", Sound_BdSharpTickLevel, ControlKind::unipolar, "Sets the level of the transient tick." },
            { "Overdrive", Sound_BdSharpLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
