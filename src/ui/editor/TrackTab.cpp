#include "ui/editor/TrackTab.h"

#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/panels/modulation/ModulationTabContent.h"
#include "ui/panels/track/AnalogEnvelopePanel.h"
#include "ui/panels/track/BaseWidthFilterPanel.h"
#include "ui/panels/track/SynthPanel.h"
#include "ui/panels/track/TrackGroup.h"

#include <algorithm>

namespace
{
constexpr int synthHue = 14;
constexpr int filterHue = 11;
constexpr int ampHue = 13;
constexpr int modulationHue = 12;
constexpr juce::uint32 selectorBackground = 0xFF323232;

struct MachineItem
{
    const char* text;
    int type;
};

// The selector's items per group, in the order the selector offers them.
const std::vector<MachineItem>& machineItems (int group)
{
    static const std::vector<MachineItem> analogDrums {
        { "Bass Drum Hard", 8 },      { "Bass Drum Classic", 9 },   { "Bass Drum FM", 10 },     { "Bass Drum Plastic", 11 },
        { "Bass Drum Silky", 12 },    { "Bass Drum Sharp", 13 },    { "Snare Drum Hard", 14 },  { "Snare Drum Classic", 15 },
        { "Snare Drum FM", 16 },      { "Snare Drum Natural", 17 }, { "Rimshot Drum Hard", 18 }, { "Rimshot Drum Classic", 19 },
        { "Noise Gen", 32 },          { "Impulse", 33 },            { "Dual VCO", 20 },         { "SY Raw", 39 },
        { "MIDI", 35 },               { "Disable", 34 },
    };
    static const std::vector<MachineItem> analogHats {
        { "Closed Hihat Classic", 22 }, { "Open Hihat Classic", 23 }, { "Closed Hihat Metallic", 26 },
        { "Open Hihat Metallic", 27 },  { "Hihat Basic", 31 },        { "Cymbal Classic", 24 },
        { "Cymbal Metallic", 28 },      { "Cymbal Ride", 30 },        { "Cowbell Classic", 25 },
        { "Cowbell Metallic", 29 },     { "Noise Gen", 32 },          { "Impulse", 33 },
        { "MIDI", 35 },                 { "Disable", 34 },
    };
    static const std::vector<MachineItem> digital {
        { "BD Modern", 0 }, { "SD Basic", 1 }, { "SD Vintage", 6 }, { "PC Carbon", 3 }, { "CP Vintage", 7 }, { "CY Alloy", 2 },
        { "SY Bits", 37 },  { "SY Chord", 5 }, { "SY Tone", 4 },    { "SY Toy", 36 },   { "SY Swarm", 38 }, { "MIDI", 35 },
    };

    if (group == 0)
        return analogDrums;
    if (group == 1)
        return analogHats;
    return digital;
}

// The MIDI sources of the modulation pages, in page order.
struct ModulationTabSpec
{
    ModulationTabContent::SlotIdentifier destinationId;
    ModulationTabContent::SlotIdentifier depthId;
    const char* title;
};

const std::vector<ModulationTabSpec>& modulationTabSpecs()
{
    static const std::vector<ModulationTabSpec> specs {
        { Vantu::Sound::pitchBendDestinationId, Vantu::Sound::pitchBendDepthId, "PITCH BEND" },
        { Vantu::Sound::velocityDestinationId, Vantu::Sound::velocityDepthId, "VELOCITY" },
        { Vantu::Sound::modWheelDestinationId, Vantu::Sound::modWheelDepthId, "MOD WHEEL" },
        { Vantu::Sound::breathDestinationId, Vantu::Sound::breathDepthId, "BREATH" },
        { Vantu::Sound::aftertouchDestinationId, Vantu::Sound::aftertouchDepthId, "AFTERTOUCH" },
    };
    return specs;
}

// A panel of a page or section whose controls come later: it only takes a hue.
std::unique_ptr<corvanel::Panel> emptyPanel (int hue = HasHue::defaultHue)
{
    auto panel = std::make_unique<corvanel::Panel>();
    panel->setHue (hue);
    return panel;
}

void showSection (juce::Component& parent, Corvanel::StaticPanel& section, const char* heading,
                  std::unique_ptr<corvanel::Panel> content)
{
    section.setHeading (juce::translate (heading));
    section.setContent (content.release());
    parent.addAndMakeVisible (section);
}

// A section's rectangle: 2 pixels in on every side, never below zero.
juce::Rectangle<int> reduced (juce::Rectangle<int> r)
{
    return { r.getX() + 2, r.getY() + 2, juce::jmax (0, r.getWidth() - 4), juce::jmax (0, r.getHeight() - 4) };
}
} // namespace

TrackTab::TrackTab (PanelContextIfc& context, int trackIndexToUse, Vantu::Sound* soundToUse)
    : MachineDataObject::Listener<int, MachineDataObject> (&context.getUpdateTimerProvider(), soundToUse, {}),
      trackIndex (trackIndexToUse),
      sound (soundToUse),
      machineTypeId (Sound_MachineType)
{
    soundSettings.setHeading (juce::translate ("SOUND SETTINGS"));
    for (auto& [title, page] : createSoundSettingsPages (context, trackIndex))
        soundSettings.addTab (juce::translate (title), page.release());
    addAndMakeVisible (soundSettings);
    soundSettings.selectFirstTab();

    auto host = std::make_unique<SynthPanel> (context, sound, trackIndex);
    synthPanel = host.get();
    showSection (*this, synth, "SYNTH", std::move (host));
    synthPanel->setMachineTypeIdentifier (machineTypeId);
    synthPanel->setHue (synthHue);

    buildFilterSections (context);
    showSection (*this, amp, "AMP", emptyPanel (ampHue));
    buildModulationPages (context);

    addAndMakeVisible (machineSelector);
    addAndMakeVisible (machineLabel);
    populateMachineList();
    machineSelector.addListener (this);
    machineSelector.setOpaque (true);
    machineSelector.setColour (juce::ComboBox::backgroundColourId, juce::Colour (selectorBackground));

    addIdentifiers ({ machineTypeId });
    setOpaque (true);
}

TrackTab::~TrackTab()
{
    machineSelector.removeListener (this);
}

std::vector<TrackTab::Page> TrackTab::createSoundSettingsPages (PanelContextIfc&, int)
{
    std::vector<Page> pages;
    pages.emplace_back ("Presets", emptyPanel());
    pages.emplace_back ("Portamento", emptyPanel());
    pages.emplace_back ("Other", emptyPanel());
    return pages;
}

void TrackTab::buildFilterSections (PanelContextIfc& context)
{
    // Both arrangements exist on every track; only the track's own is shown.
    addChildComponent (analogFilter);
    addChildComponent (baseWidthFilter);
    addChildComponent (multimodeFilter);

    if (trackGroup (trackIndex) != 2)
    {
        auto panel = std::make_unique<AnalogEnvelopePanel> (context, sound, trackIndex);
        panel->setParameterIds ({ Sound_FilterAttack, Sound_FilterDecay, Sound_FilterSustain, Sound_FilterRelease,
                                  Sound_FilterResonance, Sound_FilterFrequency, Sound_FilterEnvDepth,
                                  Sound_AnalogFilterType, Sound_FilterEnvDelay, Sound_FilterEnvRestart });
        panel->setHue (filterHue);
        showSection (*this, analogFilter, "ANALOG MULTI-MODE FILTER", std::move (panel));
        return;
    }
    auto baseWidth = std::make_unique<BaseWidthFilterPanel> (context, sound, trackIndex);
    baseWidth->setParameterIds (Sound_FilterBase, Sound_FilterWidth);
    baseWidth->setHue (filterHue);
    showSection (*this, baseWidthFilter, "1. BASE-WIDTH FILTER", std::move (baseWidth));
    showSection (*this, multimodeFilter, "2. MULTIMODE FILTER", emptyPanel (filterHue));
}

void TrackTab::buildModulationPages (PanelContextIfc& context)
{
    const bool digitalTrack = trackGroup (trackIndex) == 2;

    modulation.setHeading (juce::translate ("MODULATION"));
    modulation.addTab (juce::translate ("LFO1"), emptyPanel (modulationHue).release());
    modulation.addTab (juce::translate ("LFO2"), emptyPanel (modulationHue).release());

    for (const auto& spec : modulationTabSpecs())
    {
        auto page = std::make_unique<ModulationTabContent> (context, sound, spec.destinationId, spec.depthId,
                                                            digitalTrack ? 0 : 1);
        page->setHue (modulationHue);
        modulation.addTab (juce::translate (spec.title), page.release());
    }
    addAndMakeVisible (modulation);
    modulation.selectFirstTab();
}

void TrackTab::populateMachineList()
{
    for (const auto& item : machineItems (trackGroup (trackIndex)))
        addMachineItem (item.type, juce::translate (item.text));
}

void TrackTab::addMachineItem (int machineType, juce::String itemText)
{
    machineList.push_back (machineType);
    machineNames.add (ModelTables::isMachineType (machineType) ? juce::String (machineDisplayName (machineType))
                                                               : juce::String ("ERROR"));

    if (itemText.isNotEmpty() && machineType != -1)
        machineSelector.addItem (itemText, machineType + 1);
}

void TrackTab::valueChanged (MachineDataObject*, const juce::Identifier& id, int value)
{
    if (id != machineTypeId || value == shownMachine
        || std::find (machineList.begin(), machineList.end(), value) == machineList.end())
        return;

    shownMachine = value;
    const int index = machineNames.indexOf (machineDisplayName (value));
    const int itemId = index >= 0 ? machineList[(size_t) index] + 1 : 0;
    machineSelector.setSelectedId (itemId, juce::dontSendNotification);
}

void TrackTab::comboBoxChanged (juce::ComboBox* box)
{
    const int itemId = box->getSelectedId();
    if (machineTypeId.isNull() || sound == nullptr || itemId <= 0)
        return;

    // The machine type is a plain number, written unshifted.
    sound->setValueFromGui (machineTypeId, itemId - 1);
}

void TrackTab::paint (juce::Graphics& g)
{
    g.fillAll (findColour (CorvanelColourIds::staticPanelBody));
}

void TrackTab::resized()
{
    auto area = getLocalBounds();
    area.removeFromLeft (juce::jmin (area.getWidth(), 2));
    area.removeFromTop (juce::jmin (area.getHeight(), 4));

    auto left = area.removeFromLeft (juce::jmin (area.getWidth(), 640));
    soundSettings.setBounds (reduced (left.removeFromTop (juce::jmin (left.getHeight(), 120))));
    const auto synthArea = reduced (left.removeFromTop (juce::jmin (left.getHeight(), 226)));
    synth.setBounds (synthArea);
    modulation.setBounds (reduced (left.removeFromTop (juce::jmin (left.getHeight(), 150))));

    auto strip = synthArea.withHeight (juce::jmin (synthArea.getHeight(), 24));
    const auto selectorArea = strip.removeFromRight (juce::jmin (strip.getWidth(), 140));
    machineSelector.setBounds (selectorArea.reduced (2));
    machineLabel.setBounds (strip.removeFromRight (juce::jmin (strip.getWidth(), 48)));

    auto middle = area.removeFromLeft (juce::jmin (area.getWidth(), 280));
    analogFilter.setBounds (reduced (middle.withHeight (496)));
    baseWidthFilter.setBounds (reduced (middle.removeFromTop (juce::jmin (middle.getHeight(), 156))));
    multimodeFilter.setBounds (reduced (middle.removeFromTop (juce::jmin (middle.getHeight(), 340))));

    amp.setBounds (reduced (area.removeFromTop (juce::jmin (area.getHeight(), 496))));
}
