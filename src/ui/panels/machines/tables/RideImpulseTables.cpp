#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/panels/machines/controls/SelectorControls.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The ride cymbal of track T12 and the impulse of tracks T9 to T12, each with
// a row of buttons for one parameter.

namespace
{
constexpr const char* rideTypeHelp =
    "Selects different sets of fundamental oscillator frequencies, as well as different inter-oscillator logical interaction.";
constexpr const char* polarityHelp = "Sets the polarity, positive or negative.";

// "A" to "D"; the row keeps indices up to 7, which light no button.
std::unique_ptr<CustomColumnControl> makeRideTypeSelector()
{
    std::vector<std::unique_ptr<ActionButton>> buttons;
    for (const char* text : { "A", "B", "C", "D" })
        buttons.push_back (std::make_unique<ActionButton> (text, juce::String()));
    return std::make_unique<ButtonRowControl> (std::make_unique<ButtonRowSelector> (std::move (buttons), 7), juce::translate (rideTypeHelp),
                                               [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x, c.top + 22, c.width, 64); });
}

// The icon font's glyphs "4" and "5".
std::unique_ptr<CustomColumnControl> makePolaritySelector()
{
    std::vector<std::unique_ptr<ActionButton>> buttons;
    for (const char* glyph : { "4", "5" })
    {
        auto button = std::make_unique<FontActionButton> (glyph);
        button->font = getFontCorvanel (20.0f);
        buttons.push_back (std::move (button));
    }
    return std::make_unique<ButtonRowControl> (std::make_unique<ButtonRowSelector> (std::move (buttons), 1), juce::translate (polarityHelp),
                                               [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + (c.width - 70) / 2, c.top + 26, 70, 26); });
}
} // namespace

const MachinePanelTable& MachinePanelTables::cymbalRide()
{
    static const MachinePanelTable table {
        30, &analogFamily,
        {
            { "Tune", Sound_CyRideTune, ControlKind::bipolar, "Sets the pitch of the interacting oscillators that make up the ride cymbal model." },
            MachineColumn ("Type", Sound_CyRideType, ControlKind::custom, rideTypeHelp).withCustom (makeRideTypeSelector),
            { "Hit Decay", Sound_CyRideHitDecay, ControlKind::unipolar, "Sets the top decay." },
            { "Tail Decay", Sound_CyRideTailDecay, ControlKind::unipolar, "Sets the tail decay." },
            { "Hit", Sound_CyRideComponent1, ControlKind::unipolar, "Sets the level of the hit sound component." },
            { "Timbre", Sound_CyRideComponent2, ControlKind::unipolar, "Sets the level of the timbral sound component." },
            { "Wash", Sound_CyRideComponent3, ControlKind::unipolar, "Sets the level of the wash sound component." },
            { "Overdrive", Sound_CyRideLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::impulse()
{
    static const MachinePanelTable table {
        33, &analogFamily,
        {
            { "Attack Time", Sound_ImpulseAttackTime, ControlKind::unipolar, "Sets the length of the attack phase." },
            { "Decay Time", Sound_ImpulseDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            MachineColumn ("Polarity", Sound_ImpulsePolarity, ControlKind::custom, polarityHelp)
                .withCustom (makePolaritySelector)
                .withCaptionTooltip(),
            { "Level", Sound_ImpulseLevel, ControlKind::unipolar, "Sets the volume of the impulse." },
        },
    };
    return table;
}
