#include "ProcessorFixture.h"

#include "PerformanceRecords.h"

using namespace processortest;

namespace
{
namespace perf = fhemu::performance;

struct MidiCase
{
    const char* name;
    juce::MidiMessage message;
    std::vector<fhemu::RealtimeController> controllers;   // what the device receives
    std::vector<std::uint8_t> notes;
};

fhemu::RealtimeController controller (int track, std::uint16_t kind, std::uint16_t value)
{
    fhemu::RealtimeController c;
    c.track = track;
    c.kind = kind;
    (kind == perf::channelPressure ? c.channelPressure
     : kind == perf::modulationWheel ? c.modulationWheel
     : kind == perf::pitchBend       ? c.pitchBend
                                     : c.breath) = value;
    return c;
}

std::vector<MidiCase> midiCases()
{
    const juce::uint8 sysex[] { 0x7e, 0x00, 0x06, 0x01 };
    return {
        { "pressure 127 on channel 1", juce::MidiMessage::channelPressureChange (1, 127),
          { controller (0, perf::channelPressure, 0x7F00) }, {} },
        { "mod wheel 64 on channel 12", juce::MidiMessage::controllerEvent (12, 1, 64),
          { controller (11, perf::modulationWheel, 16384) }, {} },
        { "pitch bend at rest on channel 3", juce::MidiMessage::pitchWheel (3, 8192),
          { controller (2, perf::pitchBend, 0x4000) }, {} },
        { "pitch bend full up on channel 3", juce::MidiMessage::pitchWheel (3, 16383),
          { controller (2, perf::pitchBend, 32766) }, {} },
        { "pitch bend full down on channel 7", juce::MidiMessage::pitchWheel (7, 0), { controller (6, perf::pitchBend, 0) }, {} },
        { "breath 100 on channel 5", juce::MidiMessage::controllerEvent (5, 2, 100),
          { controller (4, perf::breath, 25600) }, {} },
        { "note-on with velocity 1 on channel 16", juce::MidiMessage::noteOn (16, 60, (juce::uint8) 1), {}, { 60 } },
        { "note-on with velocity 0 on channel 16", juce::MidiMessage::noteOn (16, 61, (juce::uint8) 0), {}, {} },
        { "note-off on channel 16", juce::MidiMessage::noteOff (16, 62), {}, {} },
        { "mod wheel on channel 16", juce::MidiMessage::controllerEvent (16, 1, 64), {}, {} },
        { "pressure on channel 13", juce::MidiMessage::channelPressureChange (13, 50), {}, {} },
        { "pitch bend on channel 14", juce::MidiMessage::pitchWheel (14, 0), {}, {} },
        { "breath on channel 15", juce::MidiMessage::controllerEvent (15, 2, 10), {}, {} },
        { "note-on on channel 15", juce::MidiMessage::noteOn (15, 60, (juce::uint8) 100), {}, {} },
        { "volume controller on channel 1", juce::MidiMessage::controllerEvent (1, 7, 100), {}, {} },
        { "note-on on channel 1", juce::MidiMessage::noteOn (1, 36, (juce::uint8) 100), {}, {} },
        { "polyphonic pressure on channel 2", juce::MidiMessage::aftertouchChange (2, 60, 90), {}, {} },
        { "program change on channel 2", juce::MidiMessage::programChange (2, 5), {}, {} },
        { "clock", juce::MidiMessage::midiClock(), {}, {} },
        { "system exclusive", juce::MidiMessage::createSysExMessage (sysex, sizeof (sysex)), {}, {} },
    };
}

TEST_F (ProcessorTest, MidiReachesTheDeviceAsRealtimeControllersAndChannel16Notes)
{
    startEngine();
    makeProcessor();
    ASSERT_TRUE (waitForWholeModel());
    auto& log = engine->openDevice (kUid)->dataServer.received();

    std::vector<fhemu::RealtimeController> expectedControllers;
    std::vector<std::uint8_t> expectedNotes;
    for (const auto& c : midiCases())
    {
        const auto controllersBefore = log.realtimeControllers().size();
        const auto notesBefore = log.channel16Notes().size();
        processor->handleMidiMessage (c.message);

        // The I/O thread sends one controller record, then one note, per round: a
        // record queued before a marker note has gone out once a second marker,
        // queued after the first arrived, has arrived too.
        for (std::size_t marker = 1; marker <= 2; ++marker)
        {
            processor->handleMidiMessage (juce::MidiMessage::noteOn (16, 127, (juce::uint8) 100));
            ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.channel16Notes().size() == notesBefore + c.notes.size() + marker; },
                                            5s))
                << c.name;
        }
        const auto controllers = log.realtimeControllers();
        const auto notes = log.channel16Notes();
        EXPECT_EQ (std::vector<fhemu::RealtimeController> (controllers.begin() + static_cast<long> (controllersBefore),
                                                           controllers.end()),
                   c.controllers)
            << c.name;
        EXPECT_EQ (std::vector<std::uint8_t> (notes.begin() + static_cast<long> (notesBefore), notes.end() - 2), c.notes)
            << c.name;
    }
    // Every realtime record names one track.
    for (const auto& t : log.transactions())
    {
        if (auto decoded = fhemu::decodeRealtimeControllers (t))
        {
            EXPECT_EQ (decoded->size(), 1u);
        }
    }

    // The host's MIDI reaches the same path through the audio callback.
    juce::AudioBuffer<float> buffer (processor->getTotalNumOutputChannels(), 64);
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::controllerEvent (9, 2, 1), 3);
    processor->processBlock (buffer, midi);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! log.realtimeControllers().empty()
                                                 && log.realtimeControllers().back() == controller (8, perf::breath, 256); },
                                    5s));
}
} // namespace
