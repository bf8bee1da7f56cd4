#pragma once

#include "foundation/Logger.h"
#include "model/VantuDataObject.h"
#include "support/TestEnvironment.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// A data object that records what it would send to the device instead of
// sending it. Each send can be made to fail.
class RecordingDataObject : public Vantu::VantuDataObject
{
public:
    struct Sent
    {
        juce::Identifier id;
        int value = 0;              // the value sent (for a text: 0)
        juce::String text;          // the text sent (transmitParameter of a text)
        bool asParameterChange = false;
        std::thread::id thread;

        bool operator== (const Sent& other) const
        {
            return id == other.id && value == other.value && text == other.text
                && asParameterChange == other.asParameterChange;
        }
    };

    struct Change
    {
        juce::Identifier id;
        int value = 0;
    };

    ~RecordingDataObject() override { stopTransmitThread(); }

    // A ranged value (as the device objects register their own).
    void addRanged (const juce::Identifier& id, int defaultValue, int min, int max)
    {
        addParameter (id, defaultValue, { min, max }, -1, -1, 0);
    }

    // A ranged value with a host parameter (as a table parameter is, without a row).
    void addHostRanged (const juce::Identifier& id, int defaultValue, int min, int max, int objectId, int track = -1,
                        std::optional<int> group = 0)
    {
        ParameterInfo info;
        info.id = id;
        info.objectId = objectId;
        info.track = track;
        info.isHostParameter = true;
        info.hostParameterGroup = group;
        registerValue (info, defaultValue, { min, max });
    }

    bool sendParameterChange (const juce::Identifier& id, int value) override
    {
        return record ({ id, value, {}, true, std::this_thread::get_id() });
    }

    bool transmitParameter (const juce::Identifier& id) override
    {
        Sent sent { id, 0, {}, false, std::this_thread::get_id() };
        if (! getValue (id, sent.value))
            getStringValue (id, sent.text);
        return record (sent);
    }

    void valueChanged (const juce::Identifier& id, int value) override
    {
        const std::lock_guard<std::mutex> lock (recordMutex);
        changes.push_back ({ id, value });
    }

    void stringValueChanged (const juce::Identifier& id, const juce::String&) override
    {
        ++stringChanges;
        juce::ignoreUnused (id);
    }

    std::vector<Sent> sentRecords() const
    {
        const std::lock_guard<std::mutex> lock (recordMutex);
        return sent;
    }

    std::vector<Change> changeRecords() const
    {
        const std::lock_guard<std::mutex> lock (recordMutex);
        return changes;
    }

    size_t sentCount() const { return sentRecords().size(); }

    // Waits (pumping the message loop) until at least n sends were recorded.
    bool waitForSent (size_t n, std::chrono::milliseconds timeout = std::chrono::seconds (10)) const
    {
        return fhtest::pumpUntil ([&] { return sentCount() >= n; }, timeout);
    }

    std::atomic<bool> failSends { false };
    std::atomic<int> stringChanges { 0 };

private:
    bool record (const Sent& s)
    {
        if (failSends)
            return false;
        const std::lock_guard<std::mutex> lock (recordMutex);
        sent.push_back (s);
        return true;
    }

    mutable std::mutex recordMutex;
    std::vector<Sent> sent;
    std::vector<Change> changes;
};
