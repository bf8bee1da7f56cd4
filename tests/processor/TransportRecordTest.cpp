// Tempo, transport, song position and notes in the plug-in data records, driven by
// the test host on a driven clock: host blocks with a play head and MIDI into
// processBlock, device blocks (two 64-frame records each) into fillPluginData.
#include "DrivenHost.h"

using namespace processortest;

namespace
{
constexpr std::int64_t kTicksPerQuarter = 4 * 5400000;

std::int64_t ticksOf (double quarters)
{
    return static_cast<std::int64_t> (quarters * 4.0 * 5400000.0 + 0.5);
}

class TransportRecordTest : public DrivenHostTest
{
protected:
    // Starts the processor with a play head in the given sync mode and lets the rings settle.
    void startInMode (int mode, double bpm = 100.0,
                      juce::PluginHostType::HostType hostType = juce::PluginHostType::UnknownHost)
    {
        start (48000.0, 256, juce::AudioProcessor::wrapperType_VST3, hostType);
        syncProcessor->mode = mode;
        host->playHead.bpm = bpm;
        usePlayHead();
        host->run (2000.0);
        host->records.clear();
    }

    // The records with a host position, from `from` on.
    std::vector<fhemu::PluginRecord> positioned (std::size_t from = 0) const
    {
        std::vector<fhemu::PluginRecord> out;
        for (std::size_t i = from; i < host->records.size(); ++i)
            if (host->records[i].hasPosition)
                out.push_back (host->records[i]);
        return out;
    }

    static std::int64_t advanceSum (const std::vector<fhemu::PluginRecord>& records)
    {
        std::int64_t sum = 0;
        for (const auto& r : records)
            sum += r.advance;
        return sum;
    }
};

TEST_F (TransportRecordTest, RecordsComeTwoPerDeviceBlockWithMarkerCounterAndCarriedTempo)
{
    startInMode (2, 120.0);
    host->run (100.0);
    const auto& records = host->records;
    ASSERT_GT (records.size(), 60u);
    int positions = 0;
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        EXPECT_EQ (records[i].index, static_cast<int> (i % 2));   // two records, 256 bytes apart
        if (i > 0)
        {
            EXPECT_EQ (records[i].counter, (records[i - 1].counter + 1) % 65536);
        }
        // 120 BPM: tempo bytes 0x38 0x40, in records with and without a host position.
        EXPECT_EQ (records[i].tempo, 0x3840);
        positions += records[i].hasPosition ? 1 : 0;
        if (! records[i].hasPosition)
        {
            EXPECT_EQ (records[i].songPosition, -1);
            EXPECT_EQ (records[i].advance, 0);
            EXPECT_EQ (records[i].sampleOffset, 0);
        }
    }
    // A host block of 256 samples per four records of 64 frames.
    EXPECT_NEAR (positions, static_cast<int> (records.size()) / 4, 2);
}

struct ModeCase
{
    const char* name;
    int mode;
    int stateStopped;
    int stateRunning;
};

class TransportModes : public TransportRecordTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P (TransportModes, StartAndStopGiveTheModesTransportStates)
{
    const auto& c = GetParam();
    startInMode (c.mode);
    host->run (50.0);
    for (const auto& r : positioned())
    {
        EXPECT_EQ (r.transportState, c.stateStopped);
        EXPECT_EQ (r.advance, 0);
    }

    // Start on a beat (ppq 0): sync modes 2 and 3 start, after at most a held record.
    host->records.clear();
    host->playHead.playing = true;
    host->run (500.0);
    const auto playing = positioned();
    ASSERT_GT (playing.size(), 50u);
    EXPECT_EQ (playing.back().transportState, c.stateRunning);
    if (c.mode >= 2)
    {
        // The advances add up to the distance played since the start.
        std::int64_t sum = 0;
        bool started = false;
        for (const auto& r : playing)
        {
            started = started || r.transportState == 3;
            if (started)
                sum += r.advance;
            else
                EXPECT_EQ (r.advance, 0);
        }
        EXPECT_TRUE (started);
        EXPECT_GT (sum, 0);
        // Up to what the device has been sent: a few host blocks behind the host.
        EXPECT_LE (std::llabs (sum - ticksOf (host->playHead.ppq)), ticksOf (0.01) * 8);
    }
    else
    {
        EXPECT_EQ (advanceSum (playing), 0);
    }

    // Stop: one record "stopped now" (2), then stopped (1).
    host->records.clear();
    host->playHead.playing = false;
    host->run (100.0);
    auto stopped = positioned();
    // Records of blocks played before the stop may still be on their way.
    while (! stopped.empty() && c.mode >= 2 && stopped.front().transportState == 3)
        stopped.erase (stopped.begin());
    ASSERT_GT (stopped.size(), 3u);
    if (c.mode >= 2)
    {
        EXPECT_EQ (stopped[0].transportState, 2);
        if (c.mode == 3)
        {
            EXPECT_EQ (stopped[0].songPosition, static_cast<int> (std::floor (host->playHead.ppq / 4.0) * 16.0));
        }
    }
    for (std::size_t i = 1; i < stopped.size(); ++i)
        EXPECT_EQ (stopped[i].transportState, c.stateStopped);
}

INSTANTIATE_TEST_SUITE_P (Modes, TransportModes,
                          ::testing::Values (ModeCase { "off", 0, 0, 0 }, ModeCase { "clock", 1, 1, 1 },
                                             ModeCase { "transport", 2, 1, 3 },
                                             ModeCase { "songPosition", 3, 1, 3 }),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (TransportRecordTest, AStartOffTheBeatWaitsForTheNextBeatOrBar)
{
    struct Case
    {
        const char* name;
        double bpm;         // 112.5 BPM moves 0.01 quarter per host block: the beat is met exactly
        double startsAt;    // where the transport starts running
        double measuredFrom;
    };
    for (const auto& c : { Case { "beat", 112.5, 2.0, 2.0 }, Case { "bar", 100.0, 4.0, 4.0 } })
    {
        SCOPED_TRACE (c.name);
        startInMode (2, c.bpm);
        host->playHead.ppq = 1.5;   // the host is moved there first, then starts
        host->run (50.0);
        host->records.clear();
        host->playHead.playing = true;
        host->run (3000.0);
        const auto records = positioned();
        std::size_t startRecord = 0;
        while (startRecord < records.size() && records[startRecord].transportState != 3)
            ++startRecord;
        ASSERT_LT (startRecord, records.size());
        // The host's position at the start record, reconstructed from the advances after it.
        const std::int64_t after = advanceSum (std::vector<fhemu::PluginRecord> (records.begin() + static_cast<long> (startRecord) + 1, records.end()));
        const std::int64_t atStart = records[startRecord].advance;
        const auto end = ticksOf (host->playHead.ppq);
        // Everything from the beat or bar on is counted, nothing before it.
        EXPECT_LE (std::llabs (end - (ticksOf (c.measuredFrom) + atStart + after)), ticksOf (0.02) * 3);
        EXPECT_GE (atStart, 0);
        EXPECT_LT (atStart, ticksOf (0.02));
        for (std::size_t i = 0; i < startRecord; ++i)
            EXPECT_EQ (records[i].transportState, 1);
        owner.reset();
        processor = nullptr;
    }
}

TEST_F (TransportRecordTest, SongPositionModeSendsTheStartPositionFirstAndAJumpHoldsRunningOneRecord)
{
    startInMode (3);
    fhtest::ScopedLogCapture log;
    host->playHead.ppq = 8.25;   // sixteenth 33
    host->run (50.0);
    auto parked = positioned();
    while (! parked.empty() && parked.front().songPosition < 0)
        parked.erase (parked.begin());
    ASSERT_FALSE (parked.empty());
    EXPECT_EQ (parked.front().songPosition, 33) << "a stopped host that moved sends its position";

    // Started off the beat, at the position already sent: running waits for the bar at 12.
    host->records.clear();
    host->playHead.playing = true;
    host->run (3000.0);
    auto records = positioned();
    ASSERT_GT (records.size(), 10u);
    EXPECT_EQ (records.back().transportState, 3);
    EXPECT_EQ (records.front().transportState, 1);

    // A jump while playing: the new position goes out with running withheld.
    host->records.clear();
    host->playHead.ppq = 40.0;
    host->playHead.timeInSamples += 96000;
    host->run (300.0);
    records = positioned();
    while (! records.empty() && records.front().songPosition < 0)
        records.erase (records.begin());   // blocks from before the jump
    ASSERT_GT (records.size(), 10u);
    EXPECT_EQ (records[0].songPosition, 160);
    EXPECT_EQ (records[0].transportState, 2);
    EXPECT_EQ (records.back().transportState, 3);
    // Where the device stands: the last song position sent plus the advances since,
    // a few host blocks behind the host.
    int lastSent = -1;
    std::int64_t since = 0;
    for (const auto& r : records)
    {
        if (r.songPosition >= 0)
            lastSent = r.songPosition, since = 0;
        since += r.advance;
    }
    ASSERT_GE (lastSent, 160);
    EXPECT_LE (std::llabs (ticksOf (lastSent / 4.0) + since - ticksOf (host->playHead.ppq)), ticksOf (0.01) * 8);

    // The warnings reach the log off the audio thread.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Unexpected pos. Was at SPP="); }, std::chrono::seconds (2)));
}

TEST_F (TransportRecordTest, ACubaseFamilyHostSendsNoSongPositionOnAJump)
{
    startInMode (3, 100.0, juce::PluginHostType::SteinbergCubase10);
    host->playHead.playing = true;
    host->run (300.0);
    host->records.clear();
    host->playHead.ppq += 8.0;
    host->playHead.timeInSamples += 96000;
    host->run (100.0);
    for (const auto& r : positioned())
    {
        EXPECT_EQ (r.songPosition, -1);
        EXPECT_EQ (r.transportState, 3);
    }
}

TEST_F (TransportRecordTest, ALoopWrapKeepsTheAdvanceGoingInTransportMode)
{
    startInMode (2);
    host->playHead.looping = true;
    host->playHead.loopStart = 4.0;
    host->playHead.loopEnd = 8.0;
    host->playHead.ppq = 4.0;
    host->playHead.playing = true;
    host->run (6000.0);   // 10 quarters at 100 BPM: the loop wraps twice
    const auto records = positioned();
    const auto blockTicks = ticksOf (256.0 / 48000.0 * 100.0 / 60.0);
    bool running = false;
    for (const auto& r : records)
    {
        if (r.transportState == 3 && running)
        {
            EXPECT_NEAR (static_cast<double> (r.advance), static_cast<double> (blockTicks), 2.0);
        }
        running = r.transportState == 3;
    }
    EXPECT_TRUE (running);
}

TEST_F (TransportRecordTest, NotesOfTheTrackChannelsArriveInTheSubBlockWhereTheyPlay)
{
    startInMode (2);
    int block = 0;
    host->addHostMidi = [&] (juce::MidiBuffer& midi) {
        if (++block != 3)
            return;
        // Four notes 64 samples apart: one per sub-block; and what is never forwarded.
        for (int i = 0; i < 4; ++i)
            midi.addEvent (juce::MidiMessage::noteOn (1 + i, 36 + i, (juce::uint8) (100 + i)), i * 64);
        midi.addEvent (juce::MidiMessage::noteOn (13, 50, (juce::uint8) 100), 5);   // channel 13: not a track
        midi.addEvent (juce::MidiMessage::controllerEvent (1, 7, 100), 6);
        midi.addEvent (juce::MidiMessage::noteOn (16, 60, (juce::uint8) 100), 7);
    };
    host->run (100.0);
    std::vector<std::pair<std::size_t, fhemu::PluginRecord::Note>> notes;
    for (std::size_t i = 0; i < host->records.size(); ++i)
        for (const auto& n : host->records[i].notes)
            notes.emplace_back (i, n);
    ASSERT_EQ (notes.size(), 4u);
    for (int i = 0; i < 4; ++i)
    {
        const auto& [record, note] = notes[static_cast<std::size_t> (i)];
        EXPECT_EQ (note.note, 36 + i);
        EXPECT_EQ (note.velocity, 100 + i);
        EXPECT_EQ (note.channel, i);
        EXPECT_EQ (record, notes[0].first + static_cast<std::size_t> (i)) << "one sub-block each";
        EXPECT_EQ (note.sampleOffset, notes[0].second.sampleOffset) << "the same place in each";
    }
}

TEST_F (TransportRecordTest, MoreThanSixteenNotesSpillIntoTheNextRecordsAndVelocityZeroIsSentAsZero)
{
    startInMode (2);
    int block = 0;
    host->addHostMidi = [&] (juce::MidiBuffer& midi) {
        if (++block != 3)
            return;
        for (int i = 0; i < 19; ++i)
            midi.addEvent (juce::MidiMessage::noteOn (1, 40 + i, (juce::uint8) 90), 0);
        midi.addEvent (juce::MidiMessage::noteOn (2, 70, (juce::uint8) 0), 0);
        midi.addEvent (juce::MidiMessage::noteOff (3, 71), 0);
    };
    host->run (100.0);
    std::vector<fhemu::PluginRecord> withNotes;
    for (const auto& r : host->records)
        if (! r.notes.empty())
            withNotes.push_back (r);
    ASSERT_EQ (withNotes.size(), 2u);
    ASSERT_EQ (withNotes[0].notes.size(), 16u);
    EXPECT_EQ (withNotes[0].flags & 0x1F, 0x1F);   // 16 notes: count 15 and the notes bit
    ASSERT_EQ (withNotes[1].notes.size(), 5u);
    EXPECT_EQ (withNotes[1].notes[0].sampleOffset, 0) << "late notes play at once";
    EXPECT_EQ (withNotes[1].notes[3].note, 70);
    EXPECT_EQ (withNotes[1].notes[3].velocity, 0);
    EXPECT_EQ (withNotes[1].notes[4].velocity, 0);
    EXPECT_EQ (withNotes[1].notes[4].channel, 2);
}

TEST_F (TransportRecordTest, AStreamResetStartsTheCounterAgainAndDropsWhatWasQueued)
{
    startInMode (2);
    host->run (50.0);
    ASSERT_GT (host->records.back().counter, 10);
    // Queued by the host, then reset before the device side takes them.
    host->addHostMidi = [] (juce::MidiBuffer& midi) { midi.addEvent (juce::MidiMessage::noteOn (1, 99, (juce::uint8) 1), 0); };
    host->hostBlockNow();
    host->addHostMidi = nullptr;
    processor->prepareToPlay (48000.0, 256);
    host->records.clear();
    host->run (50.0);
    ASSERT_FALSE (host->records.empty());
    EXPECT_EQ (host->records.front().counter, 0);
    for (const auto& r : host->records)
        EXPECT_TRUE (r.notes.empty());
    EXPECT_EQ (host->hostThreadCalls, 0u) << host->lastHostCalls;
    EXPECT_EQ (host->deviceThreadCalls, 0u) << host->lastDeviceCalls;
}
} // namespace
