#include "processor/KeyboardMerge.h"

namespace
{
constexpr int kEventHeaderBytes = static_cast<int> (sizeof (std::int32_t) + sizeof (std::uint16_t));
} // namespace

KeyboardMerge::KeyboardMerge (juce::MidiKeyboardState& keyboardState) : state (keyboardState)
{
    merged.ensureSize (kMergedBytes);
    shown.ensureSize (kQueueSize * 8);
    state.addListener (this);
}

KeyboardMerge::~KeyboardMerge()
{
    state.removeListener (this);
}

bool KeyboardMerge::add (const std::uint8_t* bytes, int numBytes, int samplePosition) noexcept
{
    if (merged.data.size() + kEventHeaderBytes + numBytes > static_cast<int> (kMergedBytes))   // the room reserved
        return false;
    return merged.addEvent (bytes, numBytes, samplePosition);
}

const juce::MidiBuffer& KeyboardMerge::merge (const juce::MidiBuffer& hostMidi) noexcept
{
    merged.clear();
    for (const auto metadata : hostMidi)
    {
        if (metadata.numBytes > 3 || metadata.numBytes < 1)
            continue;   // system exclusive: not for the device
        add (metadata.data, metadata.numBytes, metadata.samplePosition);
        const auto status = metadata.data[0] & 0xF0;
        if ((status == 0x80 || status == 0x90) && metadata.numBytes == 3)
            hostNotes.push (Event { { metadata.data[0], metadata.data[1], metadata.data[2] } });
    }
    Event event;
    while (played.pop (event))
        add (event.bytes.data(), 3, 0);
    return merged;
}

void KeyboardMerge::showHostNotes()
{
    shown.clear();
    Event event;
    while (hostNotes.pop (event))
        shown.addEvent (event.bytes.data(), 3, 0);
    if (shown.isEmpty())
        return;
    // Under the keyboard state's own lock, as the editor's keyboard and pads change it
    // and add or remove its listeners on the message thread at the same time.
    showingThread = std::this_thread::get_id();
    showing = true;
    state.processNextMidiBuffer (shown, 0, 1, false);
    showing = false;
}

bool KeyboardMerge::isShowingHostNotes() const noexcept
{
    return showing.load() && std::this_thread::get_id() == showingThread;
}

void KeyboardMerge::queuePlayed (const juce::MidiMessage& message) noexcept
{
    if (isShowingHostNotes())
        return;
    const auto* raw = message.getRawData();
    played.push (Event { { raw[0], raw[1], raw[2] } });
}

void KeyboardMerge::handleNoteOn (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float velocity)
{
    queuePlayed (juce::MidiMessage::noteOn (midiChannel, midiNoteNumber, velocity));
}

void KeyboardMerge::handleNoteOff (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float velocity)
{
    queuePlayed (juce::MidiMessage::noteOff (midiChannel, midiNoteNumber, velocity));
}
