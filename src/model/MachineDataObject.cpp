#include "model/MachineDataObject.h"

#include "engine/ParameterSink.h"
#include "foundation/InternalThread.h"
#include "foundation/Logger.h"
#include "model/HostParameter.h"
#include "platform/ThreadPriority.h"
#include "model/DeviceText.h"

#include <algorithm>
#include <cmath>

namespace
{
    // Initial block pool of the update queue: 389 blocks of 32 records, so that
    // writes in normal use allocate nothing.
    constexpr size_t initialQueueCapacity = 389 * 32;

    std::string textOf (const juce::Identifier& id)
    {
        return id.toString().toStdString();
    }

    int clampToRange (int value, const MachineDataObject::Range& range)
    {
        if (value > range.max)
            return range.max;
        if (value < range.min)
            return range.min;
        return value;
    }
}

MachineDataObject::MachineDataObject() : MachineDataObject (nullptr, ParameterAddress {})
{
}

MachineDataObject::MachineDataObject (ParameterSink* sinkToUse, ParameterAddress addressToUse)
    : sink (sinkToUse),
      address (addressToUse),
      transmitThread (std::make_unique<InternalThread> ("MachineDataObject", [this] { runTransmitLoop(); })),
      updates (initialQueueCapacity)
{
}

MachineDataObject::~MachineDataObject()
{
    // Derived classes stop the thread first; this only covers a thread that
    // never ran a send operation of a destroyed derived part.
    stopTransmitThread();
}

bool MachineDataObject::sendParameterChange (const juce::Identifier& id, int value)
{
    if (id.isNull() || sink == nullptr)
        return false;
    const auto* info = parameterInfos.find (id);
    const int index = ! address.indexIsTrack ? address.index : info != nullptr && info->track >= 0 ? info->track : 0;
    const auto dataType = dataTypes.find (id);
    const FhAsyncParamData data { static_cast<std::uint16_t> (index),
                                  static_cast<std::uint16_t> (info != nullptr ? info->objectId : 0),
                                  static_cast<std::uint16_t> (value) };
    return sink->pushParameterChange (dataType != dataTypes.end() ? dataType->second : address.dataType,
                                      address.argument, data);
}

void MachineDataObject::useDataType (const juce::Identifier& id, std::uint8_t dataType)
{
    dataTypes[id] = dataType;
}

bool MachineDataObject::sendRecord (std::uint8_t dataType, int argument, const std::vector<std::uint8_t>& body)
{
    return sink != nullptr && sink->sendRecordWrite (dataType, argument, body.data(), static_cast<int> (body.size()));
}

void MachineDataObject::stringValueChanged (const juce::Identifier&, const juce::String&) {}
void MachineDataObject::valueChanged (const juce::Identifier&, int) {}

bool MachineDataObject::getDefaultValue (const juce::Identifier& id, int& out) const
{
    auto it = defaults.find (id);
    if (it == defaults.end())
        return false;
    out = it->second;
    return true;
}

//==============================================================================
void MachineDataObject::appendToRegistrationOrder (const juce::Identifier& id)
{
    // An identifier registered twice keeps its first place: host parameters and
    // other ordered walks see it once.
    if (std::find (registrationOrder.begin(), registrationOrder.end(), id) == registrationOrder.end())
        registrationOrder.push_back (id);
}

void MachineDataObject::addParameter (const juce::Identifier& id)
{
    const std::lock_guard<std::mutex> lock (mutex);
    values.map.try_emplace (id, 0).first->second.store (0);
    ParameterInfo info;
    info.id = id;
    parameterInfos.map.try_emplace (id, info);
    appendToRegistrationOrder (id);
}

void MachineDataObject::addStringParameter (const juce::Identifier& id, const std::string& initial)
{
    const std::lock_guard<std::mutex> lock (mutex);
    stringValues.map[id] = juce::String (initial);
    ParameterInfo info;
    info.id = id;
    parameterInfos.map.try_emplace (id, info);
    appendToRegistrationOrder (id);
}

void MachineDataObject::addHostParameter (const juce::Identifier& id, HostParameter* parameter)
{
    const std::lock_guard<std::mutex> lock (mutex);
    hostParameters.try_emplace (id, parameter);
}

void MachineDataObject::registerValue (const ParameterInfo& info, int defaultValue, Range range)
{
    const std::lock_guard<std::mutex> lock (mutex);
    values.map.try_emplace (info.id, 0).first->second.store (defaultValue);
    parameterInfos.map.insert_or_assign (info.id, info);
    defaults[info.id] = defaultValue;
    ranges.map[info.id] = range;
    tableIndexToId.try_emplace (info.tableIndex, info.id);
    appendToRegistrationOrder (info.id);
}

//==============================================================================
HostParameter* MachineDataObject::findHostParameter (const juce::Identifier& id) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    auto it = hostParameters.find (id);
    return it != hostParameters.end() ? it->second : nullptr;
}

bool MachineDataObject::setValueFromGui (const juce::Identifier& id, int value)
{
    if (! values.contains (id))
    {
        FH_LOG (spdlog::level::debug, "MachineDataObject::setValueFromGui: unknown id {} ignored.", textOf (id));
        return false;
    }

    if (auto* parameter = findHostParameter (id))
    {
        const auto* range = ranges.find (id);
        if (range == nullptr)
        {
            FH_LOG (spdlog::level::err, "Could not get range for id {}.", textOf (id));
            return false;
        }

        value = clampToRange (value, *range);
        if ((float) (range->max - range->min) <= 0.0f)
            return false;

        // On the message thread this comes straight back through setValueFromHost.
        parameter->setValueNotifyingHostFromAnyThread ((float) (value - range->min) / (float) (range->max - range->min));
    }
    else
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            values.map.find (id)->second.store (value);
        }
        pushUpdate ({ id, value, false });
        wakeTransmitThread();
    }

    valueChanged (id, value);
    return true;
}

bool MachineDataObject::setValueFromHost (const juce::Identifier& id, float normalised)
{
    const auto* range = ranges.find (id);
    auto valueIt = values.map.find (id);
    if (range == nullptr || valueIt == values.map.end())
    {
        FH_LOG (spdlog::level::debug, "MachineDataObject::setValueFromHost: id {} has no range.", textOf (id));
        return false;
    }

    normalised = juce::jlimit (0.0f, 1.0f, normalised);
    const int value = range->min + (int) std::lround ((float) (range->max - range->min) * normalised);

    bool result = true;
    if (! gestures.isHeld (id))
        result = pushUpdate ({ id, value, true });

    // The keys are fixed, so the atomic store needs no object mutex.
    valueIt->second.store (value);
    wakeTransmitThread();
    valueChanged (id, value);
    return result;
}

bool MachineDataObject::setValueFromMachine (const juce::Identifier& id, int value, bool updateHostParameter)
{
    const auto* range = ranges.find (id);
    if (range == nullptr || ! values.contains (id))
        return false;

    value = clampToRange (value, *range);
    gestures.hold (id);

    auto* parameter = updateHostParameter ? findHostParameter (id) : nullptr;
    if (parameter != nullptr && range->max > range->min)
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            lastTransmittedValues[id] = value;
        }
        // Stored through setValueFromHost on the message thread; the echo hold
        // (and the equal last-sent value) keep it from being sent back.
        parameter->setValueNotifyingHostFromAnyThread ((float) (value - range->min) / (float) (range->max - range->min));
    }
    else
    {
        // Also a host parameter with an empty range: nothing normalised can be
        // handed to it, so the value is stored directly.
        const std::lock_guard<std::mutex> lock (mutex);
        values.map.find (id)->second.store (value);
        lastTransmittedValues[id] = value;
    }

    valueChanged (id, value);
    return true;
}

bool MachineDataObject::setValueFromGui2 (const juce::Identifier& id, const juce::String& text)
{
    FH_LOG (spdlog::level::debug, "MachineDataObject::setValueFromGui2: ID={}, stringValue={}", textOf (id), text.toStdString());

    if (! stringValues.contains (id))
    {
        FH_LOG (spdlog::level::debug, "MachineDataObject::setValueFromGui2: unknown id {} ignored.", textOf (id));
        return false;
    }

    auto value = text.length() > maxStringLength ? text.substring (0, maxStringLength) : text;
    value = value.toUpperCase();

    juce::String lastSent;
    {
        const std::lock_guard<std::mutex> lock (mutex);
        stringValues.map.find (id)->second = value;
        if (auto it = lastTransmittedStrings.find (id); it != lastTransmittedStrings.end())
            lastSent = it->second;
    }

    if (value != lastSent)
    {
        if (transmitParameter (id))
        {
            {
                const std::lock_guard<std::mutex> lock (mutex);
                lastTransmittedStrings[id] = value;
            }
            stringValueChanged (id, value);
        }
        else
        {
            FH_LOG (spdlog::level::err, "transmitToMachine failed!");
        }
    }

    return true;
}

bool MachineDataObject::setStringValueFromMachine (const juce::Identifier& id, const std::string& deviceBytes)
{
    if (! stringValues.contains (id))
    {
        FH_LOG (spdlog::level::debug, "MachineDataObject::setStringValueFromMachine: unknown id {} ignored.", textOf (id));
        return false;
    }

    const auto value = decodeDeviceText (deviceBytes).toUpperCase();
    {
        const std::lock_guard<std::mutex> lock (mutex);
        stringValues.map.find (id)->second = value;
        lastTransmittedStrings[id] = value;
    }
    stringValueChanged (id, value);
    return true;
}

//==============================================================================
bool MachineDataObject::getValue (const juce::Identifier& id, int& out) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return values.get (id, out);
}

bool MachineDataObject::getStringValue (const juce::Identifier& id, juce::String& out) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    if (const auto* text = stringValues.find (id))
    {
        out = *text;
        return true;
    }
    return false;
}

bool MachineDataObject::getRange (const juce::Identifier& id, int& min, int& max) const
{
    if (const auto* range = ranges.find (id))
    {
        min = range->min;
        max = range->max;
        return true;
    }
    return false;
}

bool MachineDataObject::getNormalisedValue (const juce::Identifier& id, float& out) const
{
    const auto* range = ranges.find (id);
    if (range == nullptr || range->max <= range->min)
        return false;

    int value = 0;
    if (! getValue (id, value))
        return false;

    out = (float) (value - range->min) / (float) (range->max - range->min);
    return true;
}

juce::String MachineDataObject::getParameterName (const juce::Identifier& id) const
{
    if (const auto* info = parameterInfos.find (id); info != nullptr && info->displayName.has_value())
        return *info->displayName;
    return id.toString();
}

std::vector<juce::Identifier> MachineDataObject::getHostParameterIds (int group) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    std::vector<juce::Identifier> result;
    for (const auto& id : registrationOrder)
    {
        const auto* info = parameterInfos.find (id);
        if (info != nullptr && info->isHostParameter && info->hostParameterGroup.value_or (0) == group
            && values.contains (id) && ranges.contains (id))
            result.push_back (id);
    }
    return result;
}

juce::Identifier MachineDataObject::findIdByTableIndex (int tableIndex, int track) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    std::optional<juce::Identifier> firstWithRow;
    for (const auto& id : registrationOrder)
    {
        const auto* info = parameterInfos.find (id);
        if (info == nullptr || info->tableIndex != tableIndex)
            continue;
        if (info->track == track)
            return id;
        if (! firstWithRow)
            firstWithRow = id;
    }
    return firstWithRow.value_or (juce::Identifier());
}

juce::Identifier MachineDataObject::getIdForTableIndex (int tableIndex) const
{
    auto it = tableIndexToId.find (tableIndex);
    return it != tableIndexToId.end() ? it->second : juce::Identifier();
}

std::vector<juce::Identifier> MachineDataObject::getRegistrationOrder() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return registrationOrder;
}

//==============================================================================
void MachineDataObject::startTransmitThread()
{
    // Priority 7. This framework version sets a running thread's priority only
    // from inside the thread (and not at all on Linux): a running thread keeps
    // the priority it was started with, which is already this one.
    if (! transmitThread->isThreadRunning())
        transmitThread->startThread (threadPriorityFromLevel (7));
}

void MachineDataObject::stopTransmitThread (int timeoutMs)
{
    transmitThread->signalThreadShouldExit();
    transmitThread->notify();
    transmitThread->stopThread (timeoutMs);
}

bool MachineDataObject::isTransmitThreadRunning() const
{
    return transmitThread->isThreadRunning();
}

void MachineDataObject::throttledCall (const std::string& key, std::function<void()> call, std::uint64_t delayMs)
{
    throttledCalls.add (key, std::move (call), delayMs);
    wakeTransmitThread();
}

bool MachineDataObject::pushUpdate (const ParameterUpdate& update)
{
    if (updates.enqueue (update))
        return true;

    FH_LOG (spdlog::level::err, "MachineDataObject: update of {} lost, the queue is full.", textOf (update.id));
    return false;
}

void MachineDataObject::wakeTransmitThread()
{
    transmitThread->notify();
}

void MachineDataObject::drainUpdates()
{
    ParameterUpdate update;
    while (! transmitThread->threadShouldExit() && updates.try_dequeue (update))
    {
        if (update.id.isNull())
            continue;

        {
            // An identifier with no value sent or received yet is always sent.
            const std::lock_guard<std::mutex> lock (mutex);
            auto it = lastTransmittedValues.find (update.id);
            if (it != lastTransmittedValues.end() && it->second == update.value)
                continue;
        }

        const bool sent = update.sendAsParameterChange ? sendParameterChange (update.id, update.value)
                                                       : transmitParameter (update.id);
        if (sent)
        {
            const std::lock_guard<std::mutex> lock (mutex);
            lastTransmittedValues[update.id] = update.value;
        }
        else
        {
            FH_LOG (spdlog::level::err, "transmitToMachine failed! {}", textOf (update.id));
        }
    }
}

void MachineDataObject::runTransmitLoop()
{
    while (! transmitThread->threadShouldExit())
    {
        drainUpdates();
        if (transmitThread->threadShouldExit())
            break;

        const auto nextDueMs = throttledCalls.runDue();
        transmitThread->wait (nextDueMs ? (int) std::min<std::uint64_t> (*nextDueMs, 0x7fffffff) : -1);
    }
}
