#include "EmulatorAudioStream.h"

#include <juce_core/juce_core.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <chrono>
#include <cmath>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <pthread.h>
#include <random>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fhemu
{
namespace
{
template <typename T>
void put (std::uint8_t* block, std::size_t offset, T value)
{
    std::memcpy (block + offset, &value, sizeof (T));
}

template <typename T>
T get (const std::uint8_t* block, std::size_t offset)
{
    T value;
    std::memcpy (&value, block + offset, sizeof (T));
    return value;
}
} // namespace

std::string EmulatorAudioStream::sharedFolder()
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Fernhollow_Engine");
    if (! folder.isDirectory())
    {
        folder.createDirectory();
        ::chmod (folder.getFullPathName().toRawUTF8(), 01777);
    }
    return folder.getFullPathName().toStdString();
}

EmulatorAudioStream::EmulatorAudioStream (std::string n, Settings s)
    : name (std::move (n)), settings (s), blockSize (s.blockSize), hostChannels (s.hostChannels),
      streamValue2 (s.streamValue2)
{
}

EmulatorAudioStream::~EmulatorAudioStream()
{
    stop();
    remove();
}

bool EmulatorAudioStream::create()
{
    using namespace boost::interprocess;
    try
    {
        filePath = sharedFolder() + "/" + name;
        {
            std::ofstream file (filePath, std::ios::binary | std::ios::trunc);
            std::vector<char> zeros (settings.fileBytes != 0 ? settings.fileBytes : AudioBlockLayout::totalBytes, 0);
            file.write (zeros.data(), static_cast<std::streamsize> (zeros.size()));
            if (! file)
                return false;
        }
        mapping = std::make_unique<file_mapping> (filePath.c_str(), read_write);
        region = std::make_unique<mapped_region> (*mapping, read_write);

        if (settings.makeSemaphores)
        {
            named_semaphore::remove ((name + "_IA").c_str());
            named_semaphore::remove ((name + "_OA").c_str());
            input = std::make_unique<named_semaphore> (create_only, (name + "_IA").c_str(), 0);
            output = std::make_unique<named_semaphore> (create_only, (name + "_OA").c_str(), 0);
        }

        auto* block = static_cast<std::uint8_t*> (region->get_address());
        put<std::int32_t> (block, AudioBlockLayout::pluginDataCapacity, 2048);
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}

void EmulatorAudioStream::remove()
{
    using namespace boost::interprocess;
    input.reset();
    output.reset();
    region.reset();
    mapping.reset();
    if (! filePath.empty())
    {
        std::remove (filePath.c_str());
        if (settings.makeSemaphores)
        {
            named_semaphore::remove ((name + "_IA").c_str());
            named_semaphore::remove ((name + "_OA").c_str());
        }
        filePath.clear();
    }
}

void EmulatorAudioStream::shrinkFile (std::size_t bytes)
{
    stop();
    {
        std::lock_guard lock (statsMutex);
        region.reset();
        mapping.reset();
    }
    if (! filePath.empty())
        ::truncate (filePath.c_str(), static_cast<off_t> (bytes));
    if (input != nullptr)
        input->post();
}

void EmulatorAudioStream::start()
{
    if (thread.joinable() || region == nullptr || input == nullptr)
        return;
    stopping = false;
    thread = std::thread ([this] { run(); });
}

void EmulatorAudioStream::stop()
{
    stopping = true;
    if (thread.joinable())
        thread.join();
}

void EmulatorAudioStream::setBeforePost (BlockHook hook)
{
    std::lock_guard lock (statsMutex);
    beforePost = std::move (hook);
}

EmulatorAudioStream::Statistics EmulatorAudioStream::statistics() const
{
    std::lock_guard lock (statsMutex);
    auto s = stats;
    if (region != nullptr)
        s.clientAttached = static_cast<const std::uint8_t*> (region->get_address())[AudioBlockLayout::clientAttached] != 0;
    return s;
}

std::vector<double> EmulatorAudioStream::answerTimes() const
{
    std::lock_guard lock (statsMutex);
    return times;
}

void EmulatorAudioStream::clearAnswerTimes()
{
    std::lock_guard lock (statsMutex);
    times.clear();
}

std::vector<PluginRecord> EmulatorAudioStream::pluginRecords() const
{
    std::lock_guard lock (statsMutex);
    return records;
}

std::vector<float> EmulatorAudioStream::deviceInput (int channel) const
{
    std::lock_guard lock (statsMutex);
    if (channel < 0 || channel >= static_cast<int> (inputs.size()))
        return {};
    return inputs[static_cast<std::size_t> (channel)];
}

void EmulatorAudioStream::clearAnswers()
{
    std::lock_guard lock (statsMutex);
    records.clear();
    for (auto& input : inputs)
        input.clear();
}

void EmulatorAudioStream::keepAnswer (const std::uint8_t* block, int samples, int hosts)
{
    const int capacity = std::clamp (get<std::int32_t> (block, AudioBlockLayout::pluginDataCapacity), 0, 2048);
    auto parsed = parsePluginData (block + AudioBlockLayout::pluginData, capacity, samples, settings.pluginDataStride,
                                   answeredBlocks++);
    for (auto& record : parsed)
        records.push_back (std::move (record));
    if (records.size() > settings.keptRecords + settings.keptRecords / 4)
        records.erase (records.begin(), records.begin() + static_cast<long> (records.size() - settings.keptRecords));

    inputs.resize (AudioBlockLayout::maxHostChannels);
    for (int ch = 0; ch < hosts; ++ch)
    {
        const auto* in = reinterpret_cast<const float*> (block + AudioBlockLayout::hostChannels
                                                         + static_cast<std::size_t> (ch) * AudioBlockLayout::channelBytes);
        auto& kept = inputs[static_cast<std::size_t> (ch)];
        kept.insert (kept.end(), in, in + samples);
        if (kept.size() > settings.keptInputSamples + 48000)
            kept.erase (kept.begin(), kept.begin() + static_cast<long> (kept.size() - settings.keptInputSamples));
    }
}

void EmulatorAudioStream::writeBlock (std::uint8_t* block, int samples, double timeStampMs)
{
    namespace L = AudioBlockLayout;
    const int devices = std::min (settings.deviceChannels, L::maxDeviceChannels);
    const int hosts = std::min (hostChannels.load(), L::maxHostChannels);
    put<double> (block, L::timeStamp, timeStampMs);
    put<std::uint16_t> (block, L::streamValue2, streamValue2.load());
    put<std::uint16_t> (block, L::blockSize, static_cast<std::uint16_t> (samples));
    put<std::uint16_t> (block, L::deviceChannelCount, static_cast<std::uint16_t> (devices));
    put<std::uint16_t> (block, L::hostChannelCount, static_cast<std::uint16_t> (hosts));

    const int n = std::min (samples, L::maxSamples);
    for (int ch = 0; ch < devices; ++ch)
    {
        auto* out = reinterpret_cast<float*> (block + L::deviceChannels + static_cast<std::size_t> (ch) * L::channelBytes);
        const double step = 2.0 * juce::MathConstants<double>::pi * toneFrequency (ch) / settings.sampleRate;
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<float> (0.25 * std::sin (step * static_cast<double> (framePosition + static_cast<std::uint64_t> (i))));
    }
    for (int ch = 0; ch < hosts; ++ch)
        std::memset (block + L::hostChannels + static_cast<std::size_t> (ch) * L::channelBytes, 0, L::channelBytes);

    const char engineText[] = "emulator";
    put<std::int32_t> (block, L::engineDataLength, static_cast<std::int32_t> (sizeof (engineText)));
    std::memcpy (block + L::engineData, engineText, sizeof (engineText));
    put<std::int32_t> (block, L::pluginDataCapacity, 2048);
    std::memset (block + L::pluginData, 0, 2048);   // only what the program writes now is read back
    framePosition += static_cast<std::uint64_t> (n);
}

void EmulatorAudioStream::run()
{
    using clock = std::chrono::steady_clock;
    auto* block = static_cast<std::uint8_t*> (region->get_address());
    if (settings.realtimePriority > 0)
    {
        sched_param param {};
        param.sched_priority = settings.realtimePriority;
        ::pthread_setschedparam (::pthread_self(), SCHED_FIFO, &param);
    }
    auto next = clock::now();
    const double deviceRate = settings.sampleRate * (1.0 + settings.clockDriftPpm * 1e-6);
    std::mt19937 random (settings.jitterSeed);
    std::uniform_real_distribution<double> jitter (-settings.stampJitterMs, settings.stampJitterMs);

    while (! stopping.load())
    {
        const int samples = blockSize.load();
        if (settings.pacing == Pacing::realTime)
        {
            next += std::chrono::nanoseconds (static_cast<long long> (1.0e9 * std::max (samples, 1) / deviceRate));
            std::this_thread::sleep_until (next);
        }
        if (paused.load())
        {
            std::this_thread::sleep_for (std::chrono::milliseconds (5));
            next = clock::now();
            continue;
        }

        writeBlock (block, samples,
                    juce::Time::getMillisecondCounterHiRes() + (settings.stampJitterMs > 0.0 ? jitter (random) : 0.0));
        {
            std::lock_guard lock (statsMutex);
            if (beforePost)
                beforePost (block);
            ++stats.posted;
        }

        const double postedAt = juce::Time::getMillisecondCounterHiRes();
        input->post();
        const auto deadline = boost::posix_time::microsec_clock::universal_time()
                            + boost::posix_time::milliseconds (settings.answerTimeoutMs);
        const bool answered = output->timed_wait (deadline);
        const double answerMs = juce::Time::getMillisecondCounterHiRes() - postedAt;

        std::lock_guard lock (statsMutex);
        if (! answered)
        {
            ++stats.unanswered;
            // Nobody took the block: take it back so that a client that attaches later
            // does not find a stale post.
            input->try_wait();
            continue;
        }
        ++stats.answered;
        stats.lastAnswerMs = answerMs;
        if (times.size() < 100000)
            times.push_back (answerMs);
        const int hosts = std::min<int> (get<std::uint16_t> (block, AudioBlockLayout::hostChannelCount),
                                         AudioBlockLayout::maxHostChannels);
        const int n = std::min (samples, AudioBlockLayout::maxSamples);
        keepAnswer (block, n, hosts);
        for (int ch = 0; ch < hosts; ++ch)
        {
            const auto* in = reinterpret_cast<const float*> (block + AudioBlockLayout::hostChannels
                                                             + static_cast<std::size_t> (ch) * AudioBlockLayout::channelBytes);
            float peak = 0.0f;
            for (int i = 0; i < n; ++i)
                peak = std::max (peak, std::abs (in[i]));
            stats.lastHostPeak[ch] = peak;
        }
    }
}
} // namespace fhemu
