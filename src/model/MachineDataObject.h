#pragma once

#include "model/IdentifierHash.h"
#include "model/MachineDataUpdateTimer.h"
#include "model/ParameterGestures.h"
#include "model/ThrottledCallTable.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <concurrentqueue.h>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class InternalThread;
class HostParameter;
class ParameterSink;

// The in-memory value store of one device object (the kit, the effects block,
// one sound or the settings). Per parameter identifier it holds the current
// value, its range, default and description, the bound host parameter and the
// last value sent to the device.
//
// Three sources of values meet here: the GUI (setValueFromGui, setValueFromGui2),
// the host through a host parameter (setValueFromHost) and the device
// (setValueFromMachine, setStringValueFromMachine). GUI and host writes are
// queued and sent by the object's transmit thread, only when they differ from
// the last value sent; device values are stored without being sent back. A
// value leaves for the device as a parameter write to the parameter sink,
// addressed by the object's kind (sendParameterChange), or as the derived
// class decides (transmitParameter).
//
// Keys are fixed once registration is over (the derived constructor and the
// processor's host-parameter creation): afterwards only values change, so the
// description, range, default and host-parameter tables are read without the
// mutex, and an identifier that was never registered is refused, never added.
//
// Lock order: a listener's own mutex may be held when the object mutex is taken,
// never the reverse. The object mutex is held only around table accesses: never
// while sending, calling a hook or calling into a host parameter.
class MachineDataObject
{
public:
    struct ParameterInfo
    {
        juce::Identifier id;
        int tableIndex = -1;     // row of the device parameter table; -1 = none
        int slot = -1;           // the row's runtime slot
        int objectId = -1;       // the row's device object id
        int track = -1;          // 0..12 for per-track identifiers; -1 = none
        bool isHostParameter = false;
        std::optional<juce::String> displayName;
        std::optional<int> hostParameterGroup;   // absent counts as 0
    };

    struct ParameterUpdate
    {
        juce::Identifier id;
        int value = 0;
        bool sendAsParameterChange = false;   // true: sendParameterChange, false: transmitParameter
    };

    struct Range
    {
        int min = 0;
        int max = 0;
    };

    // How one kind of object addresses its parameter writes: the data type (an
    // identifier may have its own, see useDataType), the argument, and the
    // index: fixed, or the identifier's track (0 for one without a track).
    struct ParameterAddress
    {
        std::uint8_t dataType = 0;
        int argument = 0;
        int index = 0;
        bool indexIsTrack = false;
    };

    // Read-only views of the identifier-keyed tables. The value and text tables
    // are read with the object mutex held (getMutex()); the description and range
    // tables are fixed after registration and are read without it.
    template <typename Value>
    class IdentifierMap
    {
    public:
        bool contains (const juce::Identifier& id) const { return map.find (id) != map.end(); }

        const Value* find (const juce::Identifier& id) const
        {
            auto it = map.find (id);
            return it != map.end() ? &it->second : nullptr;
        }

    private:
        friend class MachineDataObject;
        std::unordered_map<juce::Identifier, Value, IdentifierHash> map;
    };

    class ValueMap
    {
    public:
        bool contains (const juce::Identifier& id) const { return map.find (id) != map.end(); }

        // The value, or false when the identifier has no integer value.
        bool get (const juce::Identifier& id, int& out) const
        {
            auto it = map.find (id);
            if (it == map.end())
                return false;
            out = it->second.load();
            return true;
        }

    private:
        friend class MachineDataObject;
        std::unordered_map<juce::Identifier, std::atomic<int>, IdentifierHash> map;
    };

    using ParameterInfoMap = IdentifierMap<ParameterInfo>;
    using RangeMap = IdentifierMap<Range>;
    using StringValueMap = IdentifierMap<juce::String>;

    // Watches identifiers of one data object for the GUI (MachineDataListener.h).
    template <typename T, typename Owner>
    class Listener;

    static constexpr int maxStringLength = 16;

    // Without a way to the device: nothing is sent (every send is false).
    MachineDataObject();
    // sink: the way to the device; null sends nothing.
    MachineDataObject (ParameterSink* sink, ParameterAddress address);

    // The transmit thread must have been stopped by the derived class's
    // destructor: the thread calls the derived class's send operations.
    virtual ~MachineDataObject();

    //==============================================================================
    // Hooks, called without the object mutex.

    // After a text value changed (setValueFromGui2 once sent, setStringValueFromMachine).
    virtual void stringValueChanged (const juce::Identifier& id, const juce::String& value);

    // After an integer write from the GUI, the host or the device.
    virtual void valueChanged (const juce::Identifier& id, int value);

    // Any thread: the identifier's default; false when it has none.
    virtual bool getDefaultValue (const juce::Identifier& id, int& out) const;

    // Sends one value as a parameter write to the sink, addressed by the
    // object's kind, with the identifier's object id. True when it was handed
    // on for sending; false for the empty identifier, without a sink or when
    // the sink's queue is full. Transmit thread.
    virtual bool sendParameterChange (const juce::Identifier& id, int value);

    // Sends the identifier's current value (or the whole record that holds it).
    // True when it was handed on for sending. Transmit thread, and the message
    // thread for the immediate send of a text value.
    virtual bool transmitParameter (const juce::Identifier& id) = 0;

    //==============================================================================
    // Registration: before any other thread uses the object.

    // A plain integer: value 0, no range and no default (so device values are
    // never applied to it and no host parameter is made for it).
    void addParameter (const juce::Identifier& id);

    // A text value with its initial text.
    void addStringParameter (const juce::Identifier& id, const std::string& initial);

    // Binds a host parameter (not owned). An identifier that already has one keeps it.
    void addHostParameter (const juce::Identifier& id, HostParameter* parameter);

    //==============================================================================
    // Writes.

    // Message thread. Through the bound host parameter (clamped to the range),
    // else stored unclamped and queued. False when the identifier was never
    // registered, or when it has a host parameter but no usable range.
    bool setValueFromGui (const juce::Identifier& id, int value);

    // Message thread. The text is cut to 16 characters, upper-cased, stored and
    // sent at once when it differs from the last text sent. False when the
    // identifier has no text value.
    bool setValueFromGui2 (const juce::Identifier& id, const juce::String& text);

    // Any thread (host automation, or the host parameter's message-thread step).
    // De-normalised, stored and queued unless the echo hold is on. False when
    // the identifier has no range or the queue refused the record.
    bool setValueFromHost (const juce::Identifier& id, float normalised);

    // Worker and job threads. Clamped, stored as current and as last sent, echo
    // hold started, host parameter updated. Nothing is sent. False when the
    // identifier has no range.
    bool setValueFromMachine (const juce::Identifier& id, int value, bool updateHostParameter);

    // Worker and job threads. Device text decoded, upper-cased, stored as current
    // and as last sent. Nothing is sent. False when the identifier has no text value.
    bool setStringValueFromMachine (const juce::Identifier& id, const std::string& deviceBytes);

    //==============================================================================
    // Reads (any thread). An absent identifier gives false and leaves out untouched.

    bool getValue (const juce::Identifier& id, int& out) const;
    bool getStringValue (const juce::Identifier& id, juce::String& out) const;
    bool getRange (const juce::Identifier& id, int& min, int& max) const;
    bool getNormalisedValue (const juce::Identifier& id, float& out) const;

    // The display name when there is one, else the identifier's text.
    juce::String getParameterName (const juce::Identifier& id) const;

    // In registration order: the identifiers with a value, a range and a
    // description that asks for a host parameter in the given group.
    std::vector<juce::Identifier> getHostParameterIds (int group) const;

    // The first identifier (in registration order) registered with the row and
    // the track; failing that, with the row; failing that, the empty identifier.
    juce::Identifier findIdByTableIndex (int tableIndex, int track) const;

    // The identifier first registered with the row; empty when none.
    juce::Identifier getIdForTableIndex (int tableIndex) const;

    std::vector<juce::Identifier> getRegistrationOrder() const;

    std::mutex& getMutex() const { return mutex; }
    const ValueMap& getValues() const { return values; }
    const ParameterInfoMap& getParameterInfos() const { return parameterInfos; }
    const RangeMap& getRanges() const { return ranges; }
    const StringValueMap& getStringValues() const { return stringValues; }

    // Whether a device value of the identifier holds back host writes just now.
    bool isEchoHeld (const juce::Identifier& id) const { return gestures.isHeld (id); }

    //==============================================================================
    // Transmission.

    // Starts the transmit thread (high priority); does nothing when it runs.
    void startTransmitThread();

    // Asks the transmit thread to exit, wakes it and waits for it. Records still
    // queued stay queued for the next start.
    void stopTransmitThread (int timeoutMs = 5000);

    bool isTransmitThreadRunning() const;

    // Runs call at once the first time key is seen; afterwards at most once per
    // delayMs, on the transmit thread, only the latest call of a burst.
    void throttledCall (const std::string& key, std::function<void()> call, std::uint64_t delayMs);

protected:
    // Registers one ranged identifier: value and default, range, description,
    // table row (the first identifier with a row keeps it) and registration order,
    // all under the object mutex.
    void registerValue (const ParameterInfo& info, int defaultValue, Range range);

    // Registration: the identifier's parameter writes carry this data type
    // instead of the object's.
    void useDataType (const juce::Identifier& id, std::uint8_t dataType);

    // Sends a whole record to the sink at once; false without a sink or when
    // it could not be written.
    bool sendRecord (std::uint8_t dataType, int argument, const std::vector<std::uint8_t>& body);

private:
    void runTransmitLoop();
    void drainUpdates();
    bool pushUpdate (const ParameterUpdate& update);
    void wakeTransmitThread();
    void appendToRegistrationOrder (const juce::Identifier& id);   // caller holds the mutex
    HostParameter* findHostParameter (const juce::Identifier& id) const;

    ParameterSink* const sink;
    const ParameterAddress address;
    std::unordered_map<juce::Identifier, std::uint8_t, IdentifierHash> dataTypes;   // fixed after registration
    mutable std::mutex mutex;
    std::vector<juce::Identifier> registrationOrder;
    ParameterInfoMap parameterInfos;
    RangeMap ranges;
    ValueMap values;
    StringValueMap stringValues;
    std::unordered_map<juce::Identifier, int, IdentifierHash> defaults;
    std::unordered_map<int, juce::Identifier> tableIndexToId;
    ThrottledCallTable throttledCalls;
    std::unique_ptr<InternalThread> transmitThread;   // "MachineDataObject"
    std::unordered_map<juce::Identifier, HostParameter*, IdentifierHash> hostParameters;
    std::unordered_map<juce::Identifier, int, IdentifierHash> lastTransmittedValues;
    std::unordered_map<juce::Identifier, juce::String, IdentifierHash> lastTransmittedStrings;
    ParameterGestures gestures;
    moodycamel::ConcurrentQueue<ParameterUpdate> updates;

    JUCE_DECLARE_NON_COPYABLE (MachineDataObject)
};

#include "model/MachineDataListener.h"
