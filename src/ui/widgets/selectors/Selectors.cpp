#include "ui/widgets/selectors/Selectors.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/HueChildren.h"

namespace
{
juce::Colour darkestOf (juce::Component& c, int hue)
{
    if (findLookAndFeelCorvanel (c) != nullptr)
        return HuePalette::shades (hue).darkest;
    return juce::Colour (0xFF1E1E1E);
}

struct FilterTypeInfo
{
    const char* glyph;
    const char* tooltip;
};

const FilterTypeInfo filterTypes[] = {
    { "k", "Click to select the 2-Pole Low Pass filter with 12db/oct." },
    { "j", "Click to select the 1-Pole Low Pass filter with 6db/oct." },
    { "f", "Click to select the 1-Pole Band Pass filter with 6db/oct." },
    { "h", "Click to select the 1-Pole High Pass filter with 6db/oct." },
    { "i", "Click to select the 2-Pole High Pass filter with 12db/oct." },
    { "e", "Click to select the 1-Pole Band Stop filter." },
    { "l", "Click to select the 1-Pole Peak filter." },
    { "OFF", "Click to disable the filter." },
    { "l", "Click to select the Equaliser filter." },
    { "@", "Click to select the Low Pass Shelf filter." },
    { "0", "Click to select the High Pass Shelf filter." },
    { "e", "Click to select the Notch filter." },
    { "=", "Click to select the Double Notch filter." },
    { "j", "Click to select the 2-pole Low Pass filter." },
    { "i", "Click to select the 2-pole High Pass filter." },
    { "f", "Click to select the 2-pole Band Pass filter." },
    { "j", "Click to select the 4-pole Low Pass filter." },
    { ">", "Click to select the Low Pass Notch filter." },
};
constexpr int filterTypeCount = static_cast<int> (std::size (filterTypes));
constexpr int filterOff = 7;
} // namespace

//==============================================================================
TriggerModeSelector::TriggerModeSelector()
    : RadioButtonSelector (juce::String())
{
    buttonArea = { 0, 0, 34, 24 };
    repaint();

    static const char* const texts[] = { "FREE", "TRIG", "HOLD", "ONE", "HALF" };
    static const char* const tips[] = {
        "The default free-running mode. It makes the LFO run continuously, never restarting or stopping.",
        "Makes the LFO restart when triggered.",
        "Makes the LFO run free in the background, but when triggered the LFO output level is latched and held still until the next trigger.",
        "Makes the LFO start from the beginning when triggered, run for one cycle and then stop, similar to an envelope.",
        "Makes the LFO start from the beginning when triggered, run for half a cycle and then stop.",
    };
    for (auto* text : texts)
        addTextButton (text);

    caption.setTooltip ("Sets how the LFO will react when triggered. Click one of the five adjacent buttons to select mode.");
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setTooltip (tips[i]);
    gap = 0;
}

void TriggerModeSelector::setSelectedIndex (int index)
{
    selectedIndex = index;
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setToggleState (i == index, juce::dontSendNotification);
}

void TriggerModeSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);
    auto* laf = findLookAndFeelCorvanel (*this);
    for (auto* button : buttons)
    {
        if (laf != nullptr)
            button->setColour (0x2002050, HuePalette::shades (newHue).bright);
        if (auto* hasHue = dynamic_cast<HasHue*> (button))
            hasHue->setHue (newHue);
    }
}

//==============================================================================
namespace corvanel
{
juce::String SelectFilterType::glyphFor (int type)
{
    return type >= 0 && type < filterTypeCount ? juce::String (filterTypes[type].glyph) : juce::String();
}

juce::String SelectFilterType::tooltipFor (int type)
{
    return type >= 0 && type < filterTypeCount ? juce::String (filterTypes[type].tooltip) : juce::String();
}

SelectFilterType::SelectFilterType (const std::vector<int>& filterTypeList)
    : typeIds (filterTypeList),
      selectedType (filterTypeList.empty() ? 0 : filterTypeList.front())
{
    for (const int id : typeIds)
    {
        std::unique_ptr<ColourfulFontButton> button;
        if (id == filterOff)
        {
            const auto offFont = CorvanelFonts::atHeight ("Grotesk Text 55", 20.0f);
            button = std::make_unique<ColourfulFontButton> ("OFF", [offFont] (int) { return offFont.withHeight (13.0f); });
        }
        else
        {
            button = std::make_unique<ColourfulFontButton> (glyphFor (id), [] (int size) { return getFontCorvanel ((float) size); });
        }
        button->fixedFontSize = 20;
        button->setClickingTogglesState (true);
        button->addListener (this);
        button->setTooltip (tooltipFor (id));
        addAndMakeVisible (*button);
        buttons.push_back (std::move (button));
    }
    setOpaque (true);
}

void SelectFilterType::setSelectedType (int type, bool notify)
{
    selectedType = type;
    if (notify)
        sendChangeMessage ({});
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setToggleState (typeIds[i] == type, juce::dontSendNotification);
    repaint();
}

void SelectFilterType::buttonClicked (juce::Button* clicked)
{
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        if (buttons[i].get() == clicked)
        {
            setSelectedType (typeIds[i], true);
            break;
        }
    }
    repaint();
}

void SelectFilterType::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}

void SelectFilterType::paint (juce::Graphics& g)
{
    g.fillAll (darkestOf (*this, hue));
}

void SelectFilterType::resized()
{
    const int n = static_cast<int> (buttons.size());
    if (n == 0)
        return;
    const int c = juce::roundToInt ((1.0f / (float) n) * (float) getWidth());
    const int h = juce::jmin (getHeight(), 20);
    int x = 0, r = getWidth();
    for (int i = 0; i < n - 1; ++i)
    {
        const int step = juce::jmin (r, c);
        buttons[(size_t) i]->setBounds (x + margin, margin, juce::jmax (0, step - 2 * margin), juce::jmax (0, h - 2 * margin));
        x += step;
        r -= step;
    }
    buttons.back()->setBounds (x, 0, r, h);
}
} // namespace corvanel

//==============================================================================
SelectLFOWaveform::SelectLFOWaveform()
{
    addWaveformButton ("y", "Click to select the Triangle waveform for the LFO.", 0);
    addWaveformButton ("X", "Click to select the Sine waveform for the LFO.", 1);
    addWaveformButton ("[", "Click to select the Square waveform for the LFO.", 0);
    addWaveformButton ("~", "Click to select the Saw waveform for the LFO.", 0);
    addWaveformButton ("z", "Click to select the Exponential waveform for the LFO.", 0);
    addWaveformButton ("{", "Click to select the Ramp waveform for the LFO.", 0);
    addWaveformButton ("B", "Click to select the Random waveform for the LFO. (Start phase has no effect)", 0);
    setOpaque (true);
}

void SelectLFOWaveform::addWaveformButton (const juce::String& glyph, const juce::String& tooltip, int bottomInset)
{
    auto button = std::make_unique<ColourfulFontButton> (glyph, [] (int size) { return getFontCorvanel ((float) size); });
    button->bottomInset = bottomInset;
    button->margin = 0;
    button->setClickingTogglesState (true);
    button->setRadioGroupId (2);
    button->addListener (this);
    button->fixedFontSize = 20;
    button->setTooltip (tooltip);
    addAndMakeVisible (*button);
    buttons.push_back (std::move (button));
}

void SelectLFOWaveform::setSelectedWaveform (int index, bool notify)
{
    const auto count = static_cast<int> (buttons.size());
    if (selectedIndex >= 0 && selectedIndex < count)
    {
        buttons[(size_t) selectedIndex]->setToggleState (false, juce::dontSendNotification);
        buttons[(size_t) selectedIndex]->setHue (hue);
    }
    selectedIndex = index;
    // The device keeps the waveform in 0 .. 6; anything else selects nothing.
    if (index >= 0 && index < count)
        buttons[(size_t) index]->setToggleState (true, juce::dontSendNotification);
    if (notify)
        sendChangeMessage ({});
    repaint();
}

void SelectLFOWaveform::buttonClicked (juce::Button* clicked)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].get() == clicked)
            setSelectedWaveform ((int) i, true);
}

void SelectLFOWaveform::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}

void SelectLFOWaveform::paint (juce::Graphics& g)
{
    g.fillAll (darkestOf (*this, hue));
}

void SelectLFOWaveform::resized()
{
    const int w = getWidth() / 7;
    const int h = juce::jmin (getHeight(), 20);
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds ((int) i * w, 0, w, h);
}

//==============================================================================
BankButtons::BankButtons()
{
    for (char c = 'A'; c <= 'P'; ++c)
        letters.add (juce::String::charToString (c));

    for (int i = 0; i < bankCount; ++i)
    {
        auto& button = buttons[i];
        button = std::make_unique<ColorfulActionButton> (letters[i], juce::String());
        button->setRadioGroupId (2);
        button->setClickingTogglesState (true);
        button->setComponentID (juce::String (i));
        button->addListener (this);
        button->setTooltip (TRANS ("Click to view the sounds of this Bank."));
        addAndMakeVisible (*button);
    }
    selectedBank = 0;
}

void BankButtons::setSelectedBank (int bank)
{
    selectedBank = (bank >= 0 && bank < bankCount) ? bank : -1;
    for (int i = 0; i < bankCount; ++i)
        buttons[i]->setToggleState (i == selectedBank, juce::dontSendNotification);
}

void BankButtons::buttonClicked (juce::Button* b)
{
    for (int i = 0; i < bankCount; ++i)
    {
        if (juce::String (i) == b->getComponentID())
        {
            selectedBank = b->getToggleState() ? i : -1;
            break;
        }
    }
    sendChangeMessage ({});
}

void BankButtons::setHue (int newHue)
{
    HasHue::setHue (newHue);
    passHueToChildren (*this, newHue);
}

void BankButtons::resized()
{
    const int c = juce::roundToInt ((float) getWidth() / (float) bankCount);
    int x = 0, r = getWidth();
    for (int i = 0; i < bankCount; ++i)
    {
        const int step = juce::jmin (r, c);
        buttons[i]->setBounds (x, 0, juce::jmin (step, c - 2), getHeight());
        x += step;
        r -= step;
    }
}

//==============================================================================
void BassDrumWaveformButtons::addGlyphButtons (const juce::StringArray& glyphs)
{
    for (const auto& glyph : glyphs)
    {
        auto button = std::make_unique<ColourfulFontButton> (glyph, [] (int size) { return getFontCorvanel ((float) size); });
        addAndMakeVisible (*button);
        button->setClickingTogglesState (true);
        button->setRadioGroupId (2);
        button->addListener (this);
        buttons.push_back (std::move (button));
    }
}

int BassDrumWaveformButtons::getSelectedIndex() const
{
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->getToggleState())
            return (int) i;
    return -1;
}

void BassDrumWaveformButtons::setSelectedIndex (int index)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setToggleState ((int) i == index, juce::dontSendNotification);
}

void BassDrumWaveformButtons::buttonClicked (juce::Button* clicked)
{
    // The radio group reports the button it turns off as clicked too: one
    // message per user click, from the button that is now on.
    if (clicked->getToggleState())
        sendChangeMessage ({});
}

void BassDrumWaveformButtons::setTooltip (const juce::String& text)
{
    juce::SettableTooltipClient::setTooltip (text);
    for (auto& button : buttons)
        button->setTooltip (text);
}

void BassDrumWaveformButtons::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}

BassDrumSharpWaveformSelector::BassDrumSharpWaveformSelector()
{
    addGlyphButtons ({ "X", "S", "y", "q", "n" });
}

void BassDrumSharpWaveformSelector::resized()
{
    const int width = getWidth(), height = getHeight();
    const int h = juce::roundToInt ((float) height * 0.5f);
    const int c = juce::roundToInt ((float) width * 0.333f) - 2;
    const int secondRow = juce::jmin (height, h) + juce::jmin (2, height - juce::jmin (height, h));

    auto layoutRow = [&] (size_t first, size_t end, int y) {
        int x = 0, free = width;
        for (size_t i = first; i < end && i < buttons.size(); ++i)
        {
            const int s = juce::jmin (free, c);
            buttons[i]->setBounds (x, y, juce::jmax (0, s - 2), juce::jmax (0, h));
            x += s;
            free -= s;
        }
    };
    layoutRow (0, 3, 0);
    layoutRow (3, 5, secondRow);
}

BassDrumWaveformSelector::BassDrumWaveformSelector()
{
    addGlyphButtons ({ "X", "S", "y" });
    addAndMakeVisible (caption);
    caption.setJustificationType (juce::Justification::centredTop);
}

void BassDrumWaveformSelector::resized()
{
    const int width = getWidth(), height = getHeight();
    const int top = juce::jmin (height, 20);
    caption.setBounds (0, 2, width, top);
    const int y = top + (height - top - 24) / 2;
    const int step = juce::roundToInt ((float) width * 0.33f) - 2;
    int x = 0, free = width;
    for (auto& button : buttons)
    {
        const int s = juce::jmin (free, step);
        button->setBounds (x, y, s, 24);
        x += s;
        free -= s;
        const int gapWidth = juce::jmin (2, free);
        x += gapWidth;
        free -= gapWidth;
    }
}
