#pragma once

#include "realtime/BoundedQueue.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>

// Joins the notes that the editor's keyboard and pads play into the host's MIDI,
// and shows the host's notes on that keyboard, without the keyboard state's lock
// on the host audio thread: notes travel both ways through lock-free queues, and
// the keyboard state is updated off the audio thread.
class KeyboardMerge : private juce::MidiKeyboardState::Listener
{
public:
    static constexpr std::size_t kQueueSize = 256;
    static constexpr std::size_t kMergedBytes = 16384;

    explicit KeyboardMerge (juce::MidiKeyboardState& keyboardState);
    ~KeyboardMerge() override;

    // Host audio thread: the block's short messages (up to three bytes) followed by
    // the notes played on the keyboard since the last block (at sample 0); the
    // host's note events are queued for the keyboard's display. Events beyond the
    // merged buffer's room are dropped. Never blocks or allocates.
    const juce::MidiBuffer& merge (const juce::MidiBuffer& hostMidi) noexcept;

    // Any thread but the audio thread: the host's notes onto the keyboard state
    // (they are not sent back to the host's MIDI).
    void showHostNotes();

private:
    struct Event
    {
        std::array<std::uint8_t, 3> bytes {};
    };

    // Whichever thread plays the keyboard (the message thread for the editor).
    void handleNoteOn (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float velocity) override;
    void handleNoteOff (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float velocity) override;
    bool isShowingHostNotes() const noexcept;
    void queuePlayed (const juce::MidiMessage& message) noexcept;
    bool add (const std::uint8_t* bytes, int numBytes, int samplePosition) noexcept;

    juce::MidiKeyboardState& state;
    BoundedQueue<Event, kQueueSize> played;
    BoundedQueue<Event, kQueueSize> hostNotes;
    juce::MidiBuffer merged;
    juce::MidiBuffer shown;   // the host notes being shown, on the showing thread
    std::atomic<bool> showing { false };
    std::atomic<std::thread::id> showingThread {};
};
