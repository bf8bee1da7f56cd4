// Feeds arbitrary bytes to everything that reads what the engine sends: the
// message channel's device-list and connection decoders, LZ4 frame decoding,
// the data channel's frame intake with the transaction receivers and the
// worker's dispatch, and the shared audio block as the audio thread takes it.
// The first byte picks the reader; the rest is what the engine sent.

#include "engine/EngineMessageCodec.h"
#include "engine/FhAsyncDataWorker.h"
#include "engine/Lz4Frame.h"
#include "engine/RemoteDeviceClient.h"
#include "processor/PluginState.h"
#include "processor/RemoteDeviceClientFactory.h"
#include "engine/SharedMemoryAudioData.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
void fuzzDeviceList (const std::uint8_t* data, std::size_t size)
{
    CorvanelIpcMessages::IpcMemoryBlock block (data, size);
    DeviceListResponse response;
    if (EngineMessageCodec::decodeDeviceList (block, response) == EngineMessageCodec::DecodeResult::ok)
        for (const auto& d : response.devices)
            if (describeDeviceInfo (d).empty())
                std::abort();
}

void fuzzConnection (const std::uint8_t* data, std::size_t size)
{
    CorvanelIpcMessages::IpcMemoryBlock block (data, size);
    DeviceConnectionResponse response;
    if (EngineMessageCodec::decodeDeviceConnection (block, response) == EngineMessageCodec::DecodeResult::ok)
        if (describeDeviceConnectionData (response.data).empty())
            std::abort();
}

void fuzzLz4 (const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> out;
    if (! lz4DecompressFrame (data, size, out))
    {
        if (! out.empty())
            std::abort();   // a failed decode never leaves data behind
        return;
    }
    // What decodes must survive a round trip.
    std::vector<std::uint8_t> packed, again;
    if (! lz4CompressFrame (out.data(), out.size(), packed) || ! lz4DecompressFrame (packed.data(), packed.size(), again)
        || again != out)
        std::abort();
}

// The data channel: frames cut into transactions by the I/O processor, then
// dispatched by the worker (notifications, answers, unknown commands).
struct DataChannel
{
    struct Listener : FhAsyncDataWorker::Listener
    {
        void asyncNotificationReceived (std::uint8_t, std::uint16_t, std::shared_ptr<FhAsyncParamData> data) override
        {
            if (data == nullptr)
                std::abort();
        }
    };

    DataChannel()
    {
        worker.addListener (&listener);
        worker.getIoProcessor().startThread();   // the intake refuses data while it does not run
    }

    void feed (const std::uint8_t* data, std::size_t size)
    {
        // Several frames from one input: the first byte of each piece gives its length.
        std::size_t pos = 0;
        while (pos < size)
        {
            const std::size_t piece = std::min<std::size_t> (size - pos, 1 + data[pos] * 8u);
            worker.getIoProcessor().handleReceivedData (data + pos, static_cast<int> (piece));
            pos += piece;
        }
        ReceivedTransaction transaction;
        while (worker.getIoProcessor().popReceivedTransaction (transaction))
        {
            if (transaction.undecodable && ! transaction.payload.empty())
                std::abort();
            worker.handleTransaction (transaction);
        }
    }

    FhAsyncDataWorker worker { nullptr };
    Listener listener;
};

// The shared audio block as the audio thread hands it on: checked, then given to
// the device client, whose listener reads and writes every channel it is given.
struct AudioIntake
{
    struct Listener : RemoteDeviceClient::DeviceListener
    {
        void deviceOpened() override {}
        void deviceClosed() override {}
        void streamCharacteristicsChanged() override {}
        void audioBlockReceived (float* const* device, int numDevice, float* const* host, int numHost, int samples,
                                 double) override
        {
            float sum = 0.0f;
            for (int ch = 0; ch < numDevice; ++ch)
                for (int i = 0; i < samples; ++i)
                    sum += device[ch][i];
            for (int ch = 0; ch < numHost; ++ch)
                for (int i = 0; i < samples; ++i)
                    host[ch][i] = sum * 0.0f;
        }
        void engineDataReceived (const std::uint8_t* data, int length) override
        {
            volatile std::uint8_t x = 0;
            for (int i = 0; i < length; ++i)
                x = x ^ data[i];
        }
        void fillPluginData (std::uint8_t* data, int capacity, int samples, int stride) override
        {
            std::memset (data, 0, static_cast<std::size_t> (std::min (capacity, samples * stride)));
        }
        void asyncDataReceived (const std::uint8_t*, int) override {}
    };

    AudioIntake()
    {
        client = makeRemoteDeviceClient ({ 30 }, std::make_shared<PluginState>(), 128);
        client->setDeviceListener (&listener);
    }

    void feed (const std::uint8_t* data, std::size_t size)
    {
        std::memset (block.get(), 0, sizeof (SharedMemoryAudioData));
        std::memcpy (block.get(), data, std::min (size, sizeof (SharedMemoryAudioData)));
        if (! isAudioBlockInRange (*block))
            return;
        auto& intake = static_cast<IpcConnectionAudioDataCommon::Client&> (*client);
        intake.audioBlockReceived (nullptr, block.get());
    }

    std::unique_ptr<SharedMemoryAudioData> block = std::make_unique<SharedMemoryAudioData>();
    Listener listener;
    std::unique_ptr<RemoteDeviceClient> client;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    static DataChannel channel;
    static AudioIntake audio;

    // Without a program logger nothing is logged: the readers' lines cost nothing here.
    if (size < 1)
        return 0;
    const auto* body = data + 1;
    const auto n = size - 1;
    switch (data[0] % 5)
    {
        case 0: fuzzDeviceList (body, n); break;
        case 1: fuzzConnection (body, n); break;
        case 2: fuzzLz4 (body, n); break;
        case 3: channel.feed (body, n); break;
        case 4: audio.feed (body, n); break;
    }
    return 0;
}
