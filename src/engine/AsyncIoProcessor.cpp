#include "engine/AsyncIoProcessor.h"

#include "foundation/Logger.h"

#include <array>

namespace
{
    constexpr std::size_t intakeReservation = 2048;
    constexpr std::uint8_t realtimeSubType = 2;
    constexpr std::uint8_t noteSubType = 3;
    constexpr std::size_t parameterTransactionSize = FhAsyncDataHeader::size + FhAsyncParamData::size;   // 34
}

AsyncIoProcessor::AsyncIoProcessor (IpcAsyncOutputStream::AsyncInterface* t, Listener* l)
    : juce::Thread ("AsyncIoProcessor"),
      transport (t),
      listener (l),
      stream0 (t),
      stream1 (t),
      channel0 (0, false, stream0),
      channel1 (1, true, stream1)
{
    intake.reserve (intakeReservation);
    collected.reserve (maxEntriesPerPass);
    if (transport != nullptr)
        intakeGeneration = transport->connectionGeneration();

    auto callback = [this] (std::uint8_t channel, const FhAsyncDataHeader& header, const std::uint8_t* payload, std::size_t length)
    { handleReceivedTransaction (channel, header, payload, length); };
    channel0.getReceiver().setCallback (callback);
    channel1.getReceiver().setCallback (callback);
}

AsyncIoProcessor::~AsyncIoProcessor()
{
    // The owner stops the thread first; this only makes sure.
    stopThread (5000);
}

//==============================================================================
bool AsyncIoProcessor::pushParameterChange (std::uint8_t dataType, int argument, const FhAsyncParamData& data)
{
    ParameterChangeEntry entry;
    entry.dataType = dataType;
    entry.argument = argument;
    entry.index = data.index;
    entry.objectId = data.objectId;
    entry.value = data.value;
    return automationQueue.push (entry);
}

bool AsyncIoProcessor::sendRecordWrite (std::uint8_t dataType, int argument, const std::uint8_t* body, int length)
{
    return channel1.send (takeSequenceNumber(), AsyncCommand::write, dataType, static_cast<std::uint16_t> (argument),
                          body, length);
}

void AsyncIoProcessor::pushRealtimeController (int track, std::uint16_t value, bool channelPressure, bool modWheel,
                                               bool pitchBend, bool breath)
{
    if (track < 0 || track >= RealtimeControllerRecord::numTracks)
        return;

    RealtimeControllerRecord record;
    const auto slot = RealtimeControllerRecord::slotWord (track);
    record.words[0] = static_cast<std::uint16_t> (1u << track);

    std::uint16_t kind = 0;
    if (channelPressure)
    {
        kind |= RealtimeControllerRecord::kindChannelPressure;
        record.words[slot + 1] = value;
    }
    if (modWheel)
    {
        kind |= RealtimeControllerRecord::kindModWheel;
        record.words[slot + 2] = value;
    }
    if (pitchBend)
    {
        kind |= RealtimeControllerRecord::kindPitchBend;
        record.words[slot + 3] = value;
    }
    if (breath)
    {
        kind |= RealtimeControllerRecord::kindBreath;
        record.words[slot + 4] = value;
    }
    if (kind == 0)
        return;

    record.words[slot] = kind;
    realtimeQueue.push (record);
}

void AsyncIoProcessor::pushChannel16Note (unsigned int noteNumber)
{
    if (noteNumber >= 128)
        return;
    noteQueue.push (static_cast<std::uint8_t> (noteNumber));
}

//==============================================================================
void AsyncIoProcessor::run()
{
    while (! threadShouldExit())
    {
        sendRealtimeRecord();
        sendChannel16Note();
        sendParameterChanges();
        wait (1);
    }
}

bool AsyncIoProcessor::sendWithRetries (std::uint8_t command, std::uint8_t subType, const std::uint8_t* payload, int length)
{
    for (int attempt = 0; attempt < maxSendAttempts; ++attempt)
    {
        if (attempt > 0)
        {
            if (threadShouldExit())
                return false;
            wait (1);
        }
        if (channel0.send (takeSequenceNumber(), command, subType, 0, payload, length))
            return true;
    }
    return false;
}

void AsyncIoProcessor::sendRealtimeRecord()
{
    RealtimeControllerRecord record;
    if (! realtimeQueue.pop (record))
        return;

    std::array<std::uint8_t, RealtimeControllerRecord::size> payload {};
    record.toWire (payload.data());

    if (! sendWithRetries (AsyncCommand::realtimeControllers, realtimeSubType, payload.data(), static_cast<int> (payload.size()))
        && ! threadShouldExit())
        FH_LOG (spdlog::level::err, "Realtime controller queue flush failed!");
}

void AsyncIoProcessor::sendChannel16Note()
{
    std::uint8_t note = 0;
    if (! noteQueue.pop (note))
        return;

    if (! sendWithRetries (AsyncCommand::channel16Note, noteSubType, &note, 1) && ! threadShouldExit())
        FH_LOG (spdlog::level::err, "Automation queue flush failed!");
}

bool AsyncIoProcessor::writeParameterEntry (const ParameterChangeEntry& entry, std::uint32_t sequenceNumber)
{
    std::array<std::uint8_t, parameterTransactionSize> wire {};
    const FhAsyncParamData data { entry.index, entry.objectId, entry.value };
    data.toWire (wire.data() + FhAsyncDataHeader::size);

    FhAsyncDataHeader header;
    header.channel = FhAsyncDataHeader::channelByte (0);
    header.sequenceNumber = sequenceNumber;
    header.command = AsyncCommand::write;
    header.subType = entry.dataType;
    header.argument = static_cast<std::uint16_t> (entry.argument & 0xFFFF);
    header.totalLength = FhAsyncParamData::size;
    header.chunkLength = FhAsyncParamData::size;
    header.checksum = computeTransactionChecksum (wire.data() + FhAsyncDataHeader::size, FhAsyncParamData::size);
    header.toWire (wire.data());

    stream0.beginTransaction();
    if (stream0.getFreeSpace() < parameterTransactionSize && ! stream0.flush())
        return false;

    // The entry fits, so the stream can only flush after its last byte: on a
    // failure the entry's own bytes are all that is removed.
    const auto mark = stream0.getNumBuffered();
    if (stream0.write (wire.data(), wire.size()))
        return true;

    stream0.discardFrom (mark);
    return false;
}

void AsyncIoProcessor::sendParameterChanges()
{
    collected.clear();
    int discarded = 0;
    ParameterChangeEntry entry;

    for (int taken = 0; taken < maxEntriesPerPass && ! threadShouldExit(); ++taken)
    {
        if (! automationQueue.pop (entry))
            break;

        bool merged = false;
        for (auto& existing : collected)
        {
            if (existing.addressesSameParameter (entry))
            {
                existing.value = entry.value;
                merged = true;
                ++discarded;
                break;
            }
        }
        if (! merged)
            collected.push_back (entry);
    }

    if (discarded > 0)
        FH_LOG (spdlog::level::debug, "Merged automation! ({} discarded values)", discarded);

    if (collected.empty())
        return;

    for (const auto& item : collected)
    {
        const auto sequenceNumber = takeSequenceNumber();
        bool written = false;

        for (int attempt = 0; attempt < maxSendAttempts && ! written; ++attempt)
        {
            if (attempt > 0)
            {
                if (threadShouldExit())
                    break;
                wait (1);
            }
            written = writeParameterEntry (item, sequenceNumber);
        }

        if (! written && ! threadShouldExit())
            FH_LOG (spdlog::level::err, "Automation queue flush failed!");
    }

    bool flushed = false;
    for (int attempt = 0; attempt < maxSendAttempts && ! flushed; ++attempt)
    {
        if (attempt > 0)
        {
            if (threadShouldExit())
                break;
            wait (1);
        }
        flushed = stream0.flush();
    }

    if (! flushed)
    {
        if (! threadShouldExit())
            FH_LOG (spdlog::level::err, "Automation Queue flush failed!");
        // These changes are given up: they must not go out later, behind newer ones.
        stream0.clear();
    }
}

//==============================================================================
void AsyncIoProcessor::resetIntakeIfConnectionChanged()
{
    if (transport == nullptr)
        return;

    const auto current = transport->connectionGeneration();
    if (current == intakeGeneration)
        return;

    // Bytes of a transaction cut off when the previous connection went away
    // must not be joined with the first bytes of the new one.
    intakeGeneration = current;
    if (! intake.empty())
        FH_LOG (spdlog::level::debug, "Dropped {} received bytes of a previous connection", intake.size());
    intake.clear();
    channel0.getReceiver().reset();
    channel1.getReceiver().reset();
}

bool AsyncIoProcessor::handleReceivedData (const void* data, int length)
{
    if (! isThreadRunning() || threadShouldExit())
    {
        FH_LOG (spdlog::level::warn, "Received async data after Worker closure!");
        return false;
    }
    if (data == nullptr || length < 0)
        return false;

    resetIntakeIfConnectionChanged();

    const auto* bytes = static_cast<const std::uint8_t*> (data);
    intake.insert (intake.end(), bytes, bytes + length);

    std::size_t pos = 0;
    while (intake.size() - pos >= FhAsyncDataHeader::size)
    {
        const auto* start = intake.data() + pos;
        const auto header = FhAsyncDataHeader::fromWire (start);
        const std::size_t transactionSize = FhAsyncDataHeader::size + header.chunkLength;

        if (intake.size() - pos < transactionSize)
        {
            // Waiting for the rest is only worth it for a header we understand;
            // anything else means the stream is out of step.
            const bool known = (header.channel == FhAsyncDataHeader::channelByte (0)
                                || header.channel == FhAsyncDataHeader::channelByte (1))
                               && header.version == FhAsyncDataHeader::protocolVersion;
            if (! known)
            {
                FH_LOG (spdlog::level::err, "Unrecognised async transaction header (channel byte {:#04x}, version {}); "
                        "dropped {} received bytes", header.channel, header.version, intake.size() - pos);
                pos = intake.size();
            }
            break;
        }

        const int size = static_cast<int> (transactionSize);
        if (! channel0.getReceiver().handleAsyncData (start, size))
            channel1.getReceiver().handleAsyncData (start, size);

        pos += transactionSize;
    }

    intake.erase (intake.begin(), intake.begin() + static_cast<std::ptrdiff_t> (pos));

    if (intake.capacity() > intakeReservation && intake.size() < intake.capacity() / 2)
    {
        std::vector<std::uint8_t> smaller;
        smaller.reserve (std::max (intake.size(), intakeReservation));
        smaller.assign (intake.begin(), intake.end());
        intake.swap (smaller);
    }
    return true;
}

void AsyncIoProcessor::handleReceivedTransaction (std::uint8_t, const FhAsyncDataHeader& header,
                                                  const std::uint8_t* payload, std::size_t length)
{
    ReceivedTransaction transaction;
    transaction.header = header;

    if (header.isCompressed())
    {
        if (! lz4DecompressFrame (payload, length, transaction.payload))
        {
            FH_LOG (spdlog::level::err, "Failed to decompress async packet payload");
            transaction.undecodable = true;
        }
    }
    else
    {
        transaction.payload.assign (payload, payload + length);
    }

    receivedQueue.push (std::move (transaction));

    if (listener != nullptr)
        listener->asyncDataArrived();
}
