#pragma once

#include "../UiTestSupport.h"

#include "processor/MachineParameter.h"
#include "ui/panels/engine/DetachedPanelContext.h"
#include "ui/panels/engine/ParameterPanel.h"

#include <cmath>
#include <memory>
#include <vector>

namespace paneltest
{
struct Write
{
    juce::Identifier id;
    int value = 0;

    bool operator== (const Write& other) const { return id == other.id && value == other.value; }
};

inline void PrintTo (const Write& w, std::ostream* os)
{
    *os << w.id.toString() << " = 0x" << std::hex << w.value << std::dec;
}

// Records, in order, every value written to the watched identifiers of one
// data object from the GUI. It stands where the program's host parameters
// stand (the data object hands a GUI write to the identifier's host
// parameter, which brings it back to the object), so the value recorded is the
// one stored. Device values are injected with showFromDevice, which bypasses
// the host parameters and so records nothing.
class WriteRecorder
{
public:
    WriteRecorder (MachineDataObject& objectToWatch, const std::vector<juce::Identifier>& ids)
        : object (objectToWatch)
    {
        for (const auto& id : ids)
            if (object.getRanges().contains (id))
            {
                auto parameter = std::make_unique<Parameter> (*this, id);
                object.addHostParameter (id, parameter.get());
                parameters.push_back (std::move (parameter));
            }
    }

    const std::vector<Write>& writes() const { return recorded; }
    void clear() { recorded.clear(); }

    // A value from the device: stored without echo, as the device interface does.
    void showFromDevice (const juce::Identifier& id, int value) { object.setValueFromMachine (id, value, false); }

private:
    class Parameter : public MachineParameter
    {
    public:
        Parameter (WriteRecorder& ownerToUse, const juce::Identifier& idToUse)
            : MachineParameter (&ownerToUse.object, idToUse, 0, {}), owner (ownerToUse), id (idToUse) {}

        void setValue (float normalised) override
        {
            int min = 0, max = 0;
            owner.object.getRange (id, min, max);
            owner.recorded.push_back ({ id, min + (int) std::lround ((float) (max - min) * normalised) });
            MachineParameter::setValue (normalised);
        }

    private:
        WriteRecorder& owner;
        const juce::Identifier id;
    };

    MachineDataObject& object;
    std::vector<std::unique_ptr<Parameter>> parameters;
    std::vector<Write> recorded;
};

// A message thread with the program's look and feel, a panel context of its
// own (a real kit without a worker, a data-update timer polled by hand, fresh
// global preferences) and a write recorder on one track's data object.
class PanelTest : public uitest::LookAndFeelTest
{
protected:
    explicit PanelTest (int track = 0, const std::vector<juce::Identifier>& recordedIds = {})
        : trackIndex (track),
          object (*ParameterPanel::findTrackObject (context.getKit(), track)),
          recorder (object, recordedIds.empty() ? object.getRegistrationOrder() : recordedIds)
    {
    }

    // One tick of the data-update timer.
    void poll() { context.poll(); }

    // Lets queued messages (value listeners, async updates) run.
    static void pump() { fhtest::pumpFor (std::chrono::milliseconds (20)); }

    void setWheelPreference (bool on)
    {
        context.getPreferences().setSliderMouseWheel (on);
        pump();
    }

    int defaultOf (const juce::Identifier& id) const
    {
        int d = 0;
        EXPECT_TRUE (object.getDefaultValue (id, d)) << id.toString();
        return d;
    }

    int valueOf (const juce::Identifier& id) const
    {
        int v = 0;
        object.getValue (id, v);
        return v;
    }

    const int trackIndex;
    DetachedPanelContext context;
    MachineDataObject& object;
    WriteRecorder recorder;
};

// A top-level window on the desktop, so that panels inside it are showing and
// take clicks through its peer.
struct ShownWindow : juce::Component
{
    ShownWindow()
    {
        setSize (800, 200);
        addToDesktop (0);
        setVisible (true);
    }
    ~ShownWindow() override { removeFromDesktop(); }
};

// Synthesised user edits on a control.
namespace edit
{
    const auto left = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);
    const auto right = juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier);
    const auto altLeft = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier);

    inline juce::MouseEvent event (juce::Component& c, juce::ModifierKeys mods, juce::Point<float> at, juce::Point<float> downAt,
                                   int clicks = 1)
    {
        const auto now = juce::Time::getCurrentTime();
        return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), at, mods,
                                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                                 juce::MouseInputSource::defaultTiltY, &c, &c, now, downAt, now, clicks, false);
    }

    inline juce::Point<float> centreOf (juce::Component& c) { return c.getLocalBounds().getCentre().toFloat(); }

    // Presses in the middle and drags upwards by the given pixels.
    inline void pressAndDrag (juce::Component& c, float upwards)
    {
        const auto start = centreOf (c);
        c.mouseDown (event (c, left, start, start));
        c.mouseDrag (event (c, left, start.translated (0.0f, -upwards), start));
    }

    inline void release (juce::Component& c)
    {
        const auto start = centreOf (c);
        c.mouseUp (event (c, left, start, start));
    }

    inline void drag (juce::Component& c, float upwards)
    {
        pressAndDrag (c, upwards);
        release (c);
    }

    inline void wheel (juce::Component& c, float deltaY)
    {
        juce::MouseWheelDetails details {};
        details.deltaY = deltaY;
        const auto at = centreOf (c);
        c.mouseWheelMove (event (c, juce::ModifierKeys(), at, at), details);
    }

    inline void doubleClick (juce::Component& c)
    {
        const auto at = centreOf (c);
        c.mouseDoubleClick (event (c, left, at, at, 2));
    }

    inline void altClick (juce::Component& c)
    {
        const auto at = centreOf (c);
        c.mouseDown (event (c, altLeft, at, at));
        c.mouseUp (event (c, altLeft, at, at));
    }

    inline void click (juce::Component& c)
    {
        const auto at = centreOf (c);
        c.mouseDown (event (c, left, at, at));
        c.mouseUp (event (c, left, at, at));
    }

    // A press and release of a button at a point of a window on the desktop,
    // dispatched by the window's peer as a real click is.
    inline void clickThroughPeer (juce::Component& window, juce::Point<int> at, juce::ModifierKeys button)
    {
        auto* peer = window.getPeer();
        if (peer == nullptr)
        {
            ADD_FAILURE() << "the window is not on the desktop";
            return;
        }
        const auto t = juce::Time::currentTimeMillis();
        const auto source = juce::MouseInputSource::InputSourceType::mouse;
        peer->handleMouseEvent (source, at.toFloat(), juce::ModifierKeys(), juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, t);
        peer->handleMouseEvent (source, at.toFloat(), button, juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, t + 1);
        peer->handleMouseEvent (source, at.toFloat(), juce::ModifierKeys(), juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, t + 2);
    }
} // namespace edit
} // namespace paneltest
