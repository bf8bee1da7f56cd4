#include "GallerySection.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/graphs/AmpEnvelopeGraph.h"
#include "ui/widgets/graphs/DelayRingGraph.h"
#include "ui/widgets/graphs/EnvelopePanelGraph.h"
#include "ui/widgets/graphs/FilterGraph.h"
#include "ui/widgets/graphs/GraphPoint.h"
#include "ui/widgets/graphs/LFOSelector.h"
#include "ui/widgets/graphs/LineGridComponent.h"
#include "ui/widgets/graphs/MasterFilterComponent.h"
#include "ui/widgets/graphs/MultimodeFilterComponent.h"

namespace gallery
{
namespace
{
// One graph of the given hue with a caption; the state is applied after every layout.
template <typename Graph>
std::unique_ptr<juce::Component> captioned (juce::String caption, int hue, std::function<void (Graph&)> apply)
{
    auto graph = std::make_unique<Graph>();
    graph->setHue (hue);
    auto& shown = *graph;
    return std::make_unique<Captioned> (std::move (caption), std::move (graph), [&shown, apply] { apply (shown); });
}

std::unique_ptr<juce::Component> stripOf (std::vector<std::unique_ptr<juce::Component>> items, int width = 0)
{
    auto strip = std::make_unique<Strip>();
    for (auto& item : items)
        strip->add (std::move (item), width);
    return strip;
}

template <typename... Items>
std::vector<std::unique_ptr<juce::Component>> list (Items... items)
{
    std::vector<std::unique_ptr<juce::Component>> result;
    (result.push_back (std::move (items)), ...);
    return result;
}

using corvanel::MasterFilterComponent;
using corvanel::MultimodeFilterComponent;

std::unique_ptr<juce::Component> multimode (juce::String caption, int type, float cutoff, float resonance, float gain = 0.0f)
{
    return captioned<MultimodeFilterComponent> (caption, 11, [=] (MultimodeFilterComponent& d) {
        d.setFilterType (type);
        d.setCutoff (cutoff * 256.0f);
        d.setResonance (resonance);
        d.setGain (gain);
    });
}

std::unique_ptr<juce::Component> master (juce::String caption, int type, float cutoff, float resonance)
{
    return captioned<MasterFilterComponent> (caption, 11, [=] (MasterFilterComponent& d) {
        d.setCutoff (cutoff * 256.0f);
        d.setResonance (resonance);
        d.setFilterType (type);
    });
}

std::unique_ptr<juce::Component> delay (juce::String caption, double time, double feedback, double width, bool pingPong)
{
    return captioned<DelayRingGraph> (caption, 11, [=] (DelayRingGraph& d) {
        d.setTime (time);
        d.setFeedback (feedback);
        d.setStereoWidth (width);
        d.setPingPong (pingPong ? 1 : 0);
    });
}

using PanelGraph = EnvelopePanelGraph<EnvDataInfDecayInfRelease>;

std::unique_ptr<juce::Component> envelope (juce::String caption, int type, int attack, int decay, int sustain, int release,
                                           int delayValue = 0, bool showDelay = false, bool reset = false)
{
    return captioned<PanelGraph> (caption, 11, [=] (PanelGraph& g) {
        g.showDelayPoint = showDelay;
        g.data.envelopeType = type;
        g.data.attack = attack;
        g.data.decay = decay;
        g.data.sustain = sustain;
        g.data.release = release;
        g.data.delay = delayValue;
        g.setReset (reset);
        g.updatePath();
    });
}

std::unique_ptr<juce::Component> amp (juce::String caption, float attack, float hold, float decay, float autoValue,
                                      bool flipped, bool reset)
{
    return captioned<AmpEnvelopeGraph> (caption, 13, [=] (AmpEnvelopeGraph& g) {
        g.holdAutoValue = autoValue;
        g.flipped = flipped;
        if (autoValue == 1.0f)
            g.setAutoLabel ("Note");
        g.setAttack (attack);
        g.setHold (hold);
        g.setDecay (decay);
        g.setReset (reset);
    });
}

std::unique_ptr<juce::Component> lfo (juce::String caption, int shape, int triggerMode, int startPhase)
{
    return captioned<LFOSelector> (caption, 12, [=] (LFOSelector& s) {
        s.internalGraph.shape = shape;
        s.internalGraph.triggerMode = triggerMode;
        s.internalGraph.startPhase = startPhase;
        s.internalGraph.updatePath();
    });
}

// Filter graphs with a handle shown highlighted, as under the mouse.
template <typename Graph>
std::unique_ptr<juce::Component> filterGraph (juce::String caption, int hue, std::function<void (Graph&)> apply, int highlighted = -1)
{
    return captioned<Graph> (caption, hue, [=] (Graph& g) {
        apply (g);
        if (highlighted >= 0)
            g.controlPoints[static_cast<size_t> (highlighted)].highlighted = true;
    });
}

// The handle drawings: plain, highlighted sideways and level, pressed.
class HandleStates : public juce::Component
{
public:
    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colour (0xFF1E1E1E));
        const auto colour = juce::Colour (0xFFE8A33D);
        const struct
        {
            bool highlighted, level, down;
        } states[] = { { false, false, false }, { true, false, false }, { true, true, false }, { true, true, true } };
        float x = 20.0f;
        for (const auto& s : states)
        {
            drawControlPoint ({ x, 20.0f, 6.0f, s.highlighted, s.level, true }, g, colour, s.down);
            x += 40.0f;
        }
    }
};

class GridSample : public juce::Component
{
public:
    GridSample()
    {
        grid.xDivisions = 3;
        grid.yDivisions = 4;
        grid.logarithmicSteps = 10;
        grid.setColour (corvanel::LineGridComponent::lineColourId, juce::Colour (0x40F0F0F0));
        addAndMakeVisible (grid);
    }
    void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0xFF1E1E1E)); }
    void resized() override { grid.setBounds (getLocalBounds()); }

    corvanel::LineGridComponent grid;
};

const GallerySection::Registrar graphs { GallerySection {
    "Graphs",
    60,
    {
        { "MultimodeFilterComponent", 110, [] (int) {
              return stripOf (list (multimode ("LP 2-pole, res 0", 0, 64, 0), multimode ("LP, res 100", 0, 64, 100),
                                    multimode ("BP 1-pole", 2, 70, 40), multimode ("HP 2-pole, res 60", 4, 50, 60),
                                    multimode ("Band stop", 5, 64, 20), multimode ("Peak", 6, 64, 30),
                                    multimode ("EQ +32, Q step 3", 8, 64, 3, 32), multimode ("EQ -40, Q step 1", 8, 40, 1, -40),
                                    multimode ("LP shelf", 9, 60, 20), multimode ("4-pole LP", 16, 70, 63)));
          }, true },
        { "MasterFilterComponent", 110, [] (int) {
              return stripOf (list (master ("2-pole LP", 13, 64, 40), master ("2-pole HP", 14, 64, 90),
                                    master ("2-pole BP", 15, 64, 60), master ("4-pole LP", 16, 80, 110),
                                    master ("Notch", 11, 64.3f, 60), master ("Double notch", 12, 60.3f, 40),
                                    master ("LP notch", 17, 70.3f, 80), master ("Off", 7, 64, 0)));
          }, true },
        { "FilterGraph: HP, LP, shelving, band pass", 110, [] (int) {
              return stripOf (list (
                  filterGraph<HPFilter> ("HPFilter x 64", 11, [] (HPFilter& g) { g.setBreakpointX (0, 64); }),
                  filterGraph<HPFilter> ("HPFilter x 20, hovered", 11, [] (HPFilter& g) { g.setBreakpointX (0, 20); }, 0),
                  filterGraph<LPFilter> ("LPFilter x 90", 11, [] (LPFilter& g) { g.setBreakpointX (0, 90); }),
                  filterGraph<LPFilter> ("LPFilter x 0", 11, [] (LPFilter& g) { g.setBreakpointX (0, 0); }),
                  filterGraph<ShelvingFilter> ("Shelving, level 40", 14, [] (ShelvingFilter& g) {
                      g.setBreakpointX (0, 70);
                      g.setBreakpointLevel (0, 40);
                  }, 1),
                  filterGraph<ShelvingFilter> ("Shelving, level 100", 14, [] (ShelvingFilter& g) {
                      g.setBreakpointX (0, 40);
                      g.setBreakpointLevel (0, 100);
                  }),
                  filterGraph<BPFilter> ("BPFilter 30, width 40", 11, [] (BPFilter& g) {
                      g.bandwidth = 40;
                      g.setBreakpointPosition (0, 30.0);
                  }),
                  filterGraph<BPFilter> ("BPFilter 100, width 127", 11, [] (BPFilter& g) {
                      g.bandwidth = 127;
                      g.setBreakpointPosition (0, 100.0);
                  }, 1)));
          }, true },
        { "DelayRingGraph", 110, [] (int) {
              return stripOf (list (delay ("1/4, feedback 50", 32, 50, 0, false), delay ("1/8., ping-pong, width 40", 24, 80, 40, true),
                                    delay ("1/16, feedback 150", 8, 150, -20, false), delay ("5.5, feedback 0", 5.5, 0, 0, false),
                                    delay ("1/1, feedback 198", 128, 198, 63, true)));
          }, true },
        { "AmpEnvelopeGraph", 110, [] (int) {
              return stripOf (list (amp ("auto hold (Note), infinite decay", 0, 127, 127, 1.0f, false, false),
                                    amp ("attack 40, hold 50, decay 80", 40, 50, 80, 1.0f, false, true),
                                    amp ("auto hold 0 (Auto)", 20, 0, 60, 0.0f, false, false),
                                    amp ("flipped, reset", 30, 127, 90, 1.0f, true, true)));
          }, true },
        { "EnvelopePanelGraph types 0 .. 3", 110, [] (int) {
              return stripOf (list (envelope ("type 0", 0, 40, 50, 80, 60), envelope ("type 1, delay shown", 1, 40, 50, 80, 60, 40, true),
                                    envelope ("type 2", 2, 60, 70, 60, 90), envelope ("type 3, reset", 3, 60, 70, 60, 90, 0, false, true),
                                    envelope ("type 1, infinite decay", 1, 30, 127, 60, 60),
                                    envelope ("type 1, infinite release", 1, 30, 60, 90, 127)));
          }, true },
        { "EnvelopePanelGraph types 4 .. 7", 110, [] (int) {
              return stripOf (list (envelope ("type 4", 4, 40, 50, 80, 60, 30, true), envelope ("type 5", 5, 40, 50, 80, 60),
                                    envelope ("type 6", 6, 40, 0, 60, 60), envelope ("type 7", 7, 40, 0, 60, 60),
                                    envelope ("type 8 (none)", 8, 40, 0, 60, 60)));
          }, true },
        { "LFOSelector", 60, [] (int) {
              return stripOf (list (lfo ("triangle", 0, 1, 0), lfo ("sine, start 32", 1, 1, 32), lfo ("square, free", 2, 0, 0),
                                    lfo ("saw, start 64", 3, 2, 64), lfo ("exponential, start 127", 4, 1, 127),
                                    lfo ("ramp", 5, 1, 96), lfo ("random", 6, 1, 30)));
          }, true },
        { "Handles, line grid", 40, [] (int) {
              auto strip = std::make_unique<Strip>();
              strip->add (std::make_unique<HandleStates>(), 180);
              strip->add (std::make_unique<GridSample>(), 300);
              return std::unique_ptr<juce::Component> (std::move (strip));
          }, true },
    } } };
} // namespace
} // namespace gallery
