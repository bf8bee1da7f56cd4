// The band under the sections: the twelve track pads and the on-screen
// keyboard on the processor's keyboard state, with the notes they play at the
// emulated device, the pads' held flags and the keyboard's channel per kit
// editor tab.
#include "EditorTestSupport.h"
#include "HostBlockThread.h"

#include "model/Kit.h"
#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"

namespace editortest
{
namespace
{
    using Note = fhemu::PluginRecord::Note;

    class BandTest : public EditorTest
    {
    protected:
        fhtest::EditorHarness& open (const juce::Identifier& band)
        {
            auto& h = make (plugin, [band] (SynthPluginState& s) { s.setBoolProperty (band, true); });
            keys = &h.processor().getKeyboardState();
            return h;
        }

        // Whether the device got the note (channel 0..15) in some plug-in data record.
        bool deviceGot (int channel, int note, int velocity)
        {
            auto* device = harness->device();
            if (device == nullptr || device->audio == nullptr)
                return false;
            for (const auto& record : device->audio->pluginRecords())
                for (const auto& n : record.notes)
                    if (n.channel == channel && n.note == note && n.velocity == velocity)
                        return true;
            return false;
        }

        bool anyNoteOn()
        {
            for (int channel = 1; channel <= 16; ++channel)
                for (int note = 0; note < 128; ++note)
                    if (keys->isNoteOn (channel, note))
                        return true;
            return false;
        }

        juce::MidiKeyboardState* keys = nullptr;
    };

    // Pad T3 plays note 2 on channel 1 at full velocity on the keyboard state and
    // at the device; its release ends the note there.
    TEST_F (BandTest, APadPlaysItsNoteAtTheDevice)
    {
        auto& h = open (PluginStateIds::openedPads);
        HostBlockThread host (h.processor());
        ASSERT_TRUE (h.pumpUntil ([&] { return host.blocks > 20; }));

        auto& pad = h.content().getPads().getPad (2);
        EXPECT_EQ (pad.getName(), "pad2");
        h.mouseDown (pad);
        EXPECT_TRUE (keys->isNoteOn (1, 2));
        EXPECT_TRUE (h.content().getPads().isHeld (2));
        EXPECT_TRUE (h.pumpUntil ([&] { return deviceGot (0, 2, 127); }));
        EXPECT_FALSE (deviceGot (0, 2, 0));

        h.mouseUp (pad);
        EXPECT_FALSE (keys->isNoteOn (1, 2));
        EXPECT_FALSE (h.content().getPads().isHeld (2));
        EXPECT_TRUE (h.pumpUntil ([&] { return deviceGot (0, 2, 0); }));
    }

    // A fresh band shows the track names until the first data-update tick, then
    // the machines' names; a type outside 0..39 shows "ERROR".
    TEST_F (BandTest, PadsShowTrackNamesThenMachineNames)
    {
        auto& h = open (PluginStateIds::openedPads);
        MidiPadsComponent fresh (*keys, h.processor());
        for (int i = 0; i < MidiPadsComponent::numPads; ++i)
        {
            EXPECT_EQ (fresh.getPad (i).getMainText(), "TRK " + juce::String (i + 1));
            EXPECT_EQ (fresh.getPad (i).getCaption(), "T" + juce::String (i + 1));
        }
        h.tick();
        auto& kit = h.processor().getKit();
        for (int i = 0; i < MidiPadsComponent::numPads; ++i)
        {
            int type = -2;
            ASSERT_TRUE (kit.getSound (i)->getValue (Sound_MachineType, type));
            EXPECT_EQ (fresh.getPad (i).getMainText(), machineDisplayName (type)) << i;
            EXPECT_NE (fresh.getPad (i).getMainText(), "ERROR") << i;
        }

        // The data model keeps the type within 0..39; the pad's own rule for the rest.
        auto& pad = h.content().getPads().getPad (3);
        for (const int bad : { 40, -1, std::numeric_limits<int>::min() })
        {
            pad.valueChanged (kit.getSound (3), Sound_MachineType, bad);
            EXPECT_EQ (pad.getMainText(), "ERROR") << bad;
        }
        fhtest::EditorHarness::showFromDevice (*kit.getSound (3), Sound_MachineType, 0);
        h.tick();
        EXPECT_EQ (pad.getMainText(), machineDisplayName (0));
        fhtest::EditorHarness::showFromDevice (*kit.getSound (3), Sound_MachineType, 39);
        h.tick();
        EXPECT_EQ (pad.getMainText(), machineDisplayName (39));
        h.writeScreenshot ("band-pads");
    }

    // The held flags follow every note on the keyboard state: notes 0..11 on any
    // channel set pad `note`; notes 12..59 on channel c set pad c - 1 while any
    // of them is held; note 60 alone, notes above it and channels without a pad
    // change nothing. A pad whose flag is set sends no second note-on.
    TEST_F (BandTest, HeldFlagsFollowTheKeyboardState)
    {
        auto& h = open (PluginStateIds::openedPads);
        auto& pads = h.content().getPads();
        const auto heldSet = [&] {
            std::vector<int> out;
            for (int i = 0; i < MidiPadsComponent::numPads; ++i)
                if (pads.isHeld (i))
                    out.push_back (i);
            return out;
        };
        using V = std::vector<int>;

        // The pointer rests on the pad before the press, as a user's does (the
        // button's states directly: the test display's own pointer is elsewhere).
        auto& pad4 = pads.getPad (4);
        pad4.setState (juce::Button::buttonOver);
        keys->noteOn (3, 4, 1.0f);   // another channel's note 4
        EXPECT_EQ (heldSet(), V { 4 });
        pad4.setState (juce::Button::buttonDown);
        EXPECT_FALSE (keys->isNoteOn (1, 4)) << "no second note-on";
        pad4.setState (juce::Button::buttonOver);
        EXPECT_EQ (heldSet(), V {}) << "the release clears the flag";
        keys->noteOff (3, 4, 0.0f);

        // A pad's own note ends on release even when another source ended the
        // same note number meanwhile (which cleared the flag).
        h.mouseDown (pads.getPad (6));
        EXPECT_TRUE (keys->isNoteOn (1, 6));
        keys->noteOn (2, 6, 1.0f);
        keys->noteOff (2, 6, 0.0f);
        EXPECT_EQ (heldSet(), V {});
        h.mouseUp (pads.getPad (6));
        EXPECT_FALSE (keys->isNoteOn (1, 6));

        keys->noteOn (3, 48, 1.0f);
        keys->noteOn (3, 50, 1.0f);
        EXPECT_EQ (heldSet(), V { 2 });
        keys->noteOff (3, 48, 0.0f);
        EXPECT_EQ (heldSet(), V { 2 }) << "note 50 is still held";
        keys->noteOff (3, 50, 0.0f);
        EXPECT_EQ (heldSet(), V {});

        keys->noteOn (5, 60, 1.0f);   // 60 itself does not count
        keys->noteOn (5, 61, 1.0f);
        keys->noteOn (5, 100, 1.0f);
        EXPECT_EQ (heldSet(), V {});
        keys->noteOn (5, 59, 1.0f);
        EXPECT_EQ (heldSet(), V { 4 });
        keys->allNotesOff (5);
        EXPECT_EQ (heldSet(), V {});

        for (int channel = 13; channel <= 16; ++channel)
        {
            keys->noteOn (channel, 30, 1.0f);
            keys->noteOff (channel, 30, 0.0f);
            keys->noteOn (channel, 7, 1.0f);
        }
        EXPECT_EQ (heldSet(), V { 7 }) << "notes 0..11 count on any channel";
        keys->allNotesOff (0);
        EXPECT_EQ (heldSet(), V {});
        EXPECT_FALSE (anyNoteOn());
    }

    // The on-screen keyboard plays on the channel of the kit editor's track tab
    // and shows that channel only; other tabs leave it alone; a new channel
    // releases the held key. Its notes set the pads' flags.
    TEST_F (BandTest, TheKeyboardPlaysOnTheSelectedTracksChannel)
    {
        auto& h = open (PluginStateIds::openedKeyboard);
        auto& keyboard = h.content().getKeyboard();
        auto& volatileState = h.processor().getVolatileState();
        EXPECT_FALSE (keyboard.getWantsKeyboardFocus());
        EXPECT_EQ (keyboard.getRangeStart(), 0);
        EXPECT_EQ (keyboard.getRangeEnd(), 127);
        EXPECT_EQ (keyboard.getLowestVisibleKey(), 0);

        struct Case
        {
            int tab, channel, mask;
        };
        for (const auto c : { Case { 2, 3, 4 }, Case { 12, 3, 4 }, Case { 13, 3, 4 }, Case { 11, 12, 2048 },
                              Case { -1, 12, 2048 }, Case { 0, 1, 1 } })
        {
            volatileState.setSelectedTab (c.tab);
            h.pumpFor (30ms);
            EXPECT_EQ (keyboard.getMidiChannel(), c.channel) << "tab " << c.tab;
            EXPECT_EQ (keyboard.getMidiChannelsToDisplay(), c.mask) << "tab " << c.tab;
        }

        volatileState.setSelectedTab (2);
        ASSERT_TRUE (h.pumpUntil ([&] { return keyboard.getMidiChannel() == 3; }));
        const auto key48 = keyboard.getRectangleForKey (48).getCentre().withY (keyboard.getHeight() - 6.0f);
        h.mouseDown (keyboard, juce::ModifierKeys::leftButtonModifier, key48);
        EXPECT_TRUE (keys->isNoteOn (3, 48));
        EXPECT_TRUE (h.content().getPads().isHeld (2));
        h.writeScreenshot ("band-keyboard-held");
        h.mouseUp (keyboard, key48);
        EXPECT_FALSE (keys->isNoteOn (3, 48));
        EXPECT_FALSE (h.content().getPads().isHeld (2));

        // A key held while the tab changes is released on the old channel.
        h.mouseDown (keyboard, juce::ModifierKeys::leftButtonModifier, key48);
        EXPECT_TRUE (keys->isNoteOn (3, 48));
        volatileState.setSelectedTab (5);
        ASSERT_TRUE (h.pumpUntil ([&] { return keyboard.getMidiChannel() == 6; }));
        EXPECT_FALSE (keys->isNoteOn (3, 48));
        h.mouseUp (keyboard, key48);
        EXPECT_FALSE (anyNoteOn());
    }

    juce::Colour pixel (const juce::Image& image, juce::Point<float> p)
    {
        return image.getPixelAt (juce::roundToInt (p.x), juce::roundToInt (p.y));
    }

    bool near (juce::Colour a, juce::Colour b, int tolerance = 6)
    {
        return std::abs (a.getRed() - b.getRed()) <= tolerance && std::abs (a.getGreen() - b.getGreen()) <= tolerance
            && std::abs (a.getBlue() - b.getBlue()) <= tolerance;
    }

    // Probes of the drawn band: a pad's frame and empty inside, lit while
    // pressed; white and black keys, shaded while held.
    TEST_F (BandTest, PadsAndKeysAreDrawnInTheirColours)
    {
        {
            auto& h = open (PluginStateIds::openedPads);
            auto& pads = h.content().getPads();
            EXPECT_EQ (pads.getPad (0).getBounds(), juce::Rectangle<int> (5, 4, 92, 52));
            EXPECT_EQ (pads.getPad (11).getBounds(), juce::Rectangle<int> (1105, 4, 92, 52));
            const juce::Point<float> frame (1155.0f, 5.0f), inside (1120.0f, 12.0f), gap (1101.0f, 30.0f);
            auto image = h.snapshot (&pads);
            EXPECT_TRUE (near (pixel (image, frame), juce::Colour (0xff646464))) << pixel (image, frame).toString();
            EXPECT_TRUE (near (pixel (image, inside), juce::Colour (0xff1e1e1e))) << pixel (image, inside).toString();
            EXPECT_TRUE (near (pixel (image, gap), juce::Colour (0xff1e1e1e)));

            h.mouseDown (pads.getPad (11));
            image = h.snapshot (&pads);
            const auto lit = juce::Colour (0xff1e1e1e).overlaidWith (juce::Colour (0x80f0f0f0));
            EXPECT_TRUE (near (pixel (image, frame), juce::Colour (0xfff0f0f0))) << pixel (image, frame).toString();
            EXPECT_TRUE (near (pixel (image, inside), lit)) << pixel (image, inside).toString();
            h.mouseUp (pads.getPad (11));
        }
        {
            auto& h = open (PluginStateIds::openedKeyboard);
            auto& keyboard = h.content().getKeyboard();
            const auto white = keyboard.getRectangleForKey (48).getCentre().withY (keyboard.getHeight() - 20.0f);
            const auto black = keyboard.getRectangleForKey (49).getCentre();
            auto image = h.snapshot (&keyboard);
            EXPECT_TRUE (near (pixel (image, white), juce::Colour (0xfff0f0f0))) << pixel (image, white).toString();
            EXPECT_TRUE (near (pixel (image, black), juce::Colour (0xff2b2b2b))) << pixel (image, black).toString();

            keys->noteOn (1, 48, 1.0f);
            keys->noteOn (1, 49, 1.0f);
            h.pumpFor (120ms);   // the keyboard repaints held keys on its timer
            image = h.snapshot (&keyboard);
            const auto heldWhite = juce::Colour (0xfff0f0f0).overlaidWith (juce::Colour (0x801f1f1f));
            const auto heldBlack = juce::Colour (0xff2b2b2b).overlaidWith (juce::Colour (0x80f0f0f0));
            EXPECT_TRUE (near (pixel (image, white), heldWhite)) << pixel (image, white).toString();
            EXPECT_TRUE (near (pixel (image, black), heldBlack)) << pixel (image, black).toString();
            keys->allNotesOff (0);
        }
    }

    // Host notes reach the keyboard state on the processor's hand-off thread
    // while the pads are pressed on the message thread: every flag ends cleared
    // once every note has ended (run under ThreadSanitizer too).
    TEST_F (BandTest, HostNotesWhilePadsArePressed)
    {
        auto& h = open (PluginStateIds::openedPads);
        constexpr std::uint64_t noteBlocks = 300;
        HostBlockThread host (h.processor(), [] (juce::MidiBuffer& midi, std::uint64_t block) {
            if (block > noteBlocks)
                return;
            const auto noteOf = [] (std::uint64_t b) { return static_cast<int> (b * 7 % 72); };
            const auto channelOf = [] (std::uint64_t b) { return static_cast<int> (b % 16) + 1; };
            if (block > 0)
                midi.addEvent (juce::MidiMessage::noteOff (channelOf (block - 1), noteOf (block - 1)), 0);
            if (block < noteBlocks)
                midi.addEvent (juce::MidiMessage::noteOn (channelOf (block), noteOf (block), (juce::uint8) 90), 1);
        });
        auto& pads = h.content().getPads();
        int presses = 0;
        while (host.blocks <= noteBlocks + 4)
        {
            auto& pad = pads.getPad (presses % MidiPadsComponent::numPads);
            h.mouseDown (pad);
            h.pumpFor (3ms);
            h.mouseUp (pad);
            ++presses;
        }
        EXPECT_GT (presses, 20);
        EXPECT_TRUE (h.pumpUntil ([&] {
            bool anyHeld = false;
            for (int i = 0; i < MidiPadsComponent::numPads; ++i)
                anyHeld = anyHeld || pads.isHeld (i);
            return ! anyHeld && ! anyNoteOn();
        }));
    }
}   // namespace
}   // namespace editortest
