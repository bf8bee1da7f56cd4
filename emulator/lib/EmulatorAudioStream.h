#pragma once

#include "PluginDataRecords.h"

#include <boost/interprocess/file_mapping.hpp>
#include <boost/interprocess/mapped_region.hpp>
#include <boost/interprocess/sync/named_semaphore.hpp>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fhemu
{
// Offsets of the shared audio block as the engine lays it out.
namespace AudioBlockLayout
{
inline constexpr std::size_t timeStamp = 0x00;
inline constexpr std::size_t streamValue2 = 0x0C;
inline constexpr std::size_t blockSize = 0x0E;
inline constexpr std::size_t deviceChannelCount = 0x10;
inline constexpr std::size_t hostChannelCount = 0x12;
inline constexpr std::size_t deviceChannels = 0x14;
inline constexpr std::size_t hostChannels = 0xA014;
inline constexpr std::size_t channelBytes = 0x800;
inline constexpr std::size_t engineDataLength = 0x10014;
inline constexpr std::size_t engineData = 0x10018;
inline constexpr std::size_t pluginDataCapacity = 0x10818;
inline constexpr std::size_t pluginData = 0x1081C;
inline constexpr std::size_t clientAttached = 0x1101C;
inline constexpr std::size_t totalBytes = 0x11020;
inline constexpr int maxSamples = 512;
inline constexpr int maxDeviceChannels = 20;
inline constexpr int maxHostChannels = 12;
} // namespace AudioBlockLayout

// One device's audio stream: the shared block file in the engine's shared folder,
// the "<name>_IA" semaphore posted for every block and the "<name>_OA" semaphore the
// program answers on. A thread writes a test tone per device channel into each block,
// posts it, waits for the answer and reads back what the program wrote into the
// device inputs (the host channels).
class EmulatorAudioStream
{
public:
    enum class Pacing
    {
        realTime,       // one block every blockSize / (48000 x (1 + clockDriftPpm / 1e6)) s
        asFastAsAnswered
    };

    struct Settings
    {
        int blockSize = 128;
        int deviceChannels = 20;
        int hostChannels = 8;
        std::uint16_t streamValue2 = 1;
        Pacing pacing = Pacing::realTime;
        int answerTimeoutMs = 200;
        double sampleRate = 48000.0;
        // Faults of the engine's shared objects: the file's length (0: the whole
        // block with its padding), and whether the engine makes the semaphores at
        // all (without them it never posts; whoever comes first creates them).
        std::size_t fileBytes = 0;
        bool makeSemaphores = true;
        // The device's clock against the monotonic clock: positive runs fast (real-time pacing).
        double clockDriftPpm = 0.0;
        // Each block's time stamp scatters uniformly within +- this around the
        // monotonic clock's milliseconds.
        double stampJitterMs = 0.0;
        std::uint32_t jitterSeed = 1;
        // Above 0: the stream thread runs first-in-first-out at this priority, as an
        // engine's audio thread does (ignored where the system refuses it).
        int realtimePriority = 0;
        // Bytes per frame between the plug-in data records the program writes (the
        // device's product decides it: 4 for the Kolvane).
        int pluginDataStride = 4;
        // How much of the program's answers is kept for tests: records, and samples
        // per device input.
        std::size_t keptRecords = 200000;
        std::size_t keptInputSamples = 4 * 48000;
    };

    struct Statistics
    {
        std::uint64_t posted = 0;
        std::uint64_t answered = 0;
        std::uint64_t unanswered = 0;
        double lastAnswerMs = 0.0;          // post to answer of the last answered block
        float lastHostPeak[AudioBlockLayout::maxHostChannels] {};
        bool clientAttached = false;
    };

    // Runs on the stream thread with the block's bytes, after the block is written and
    // before it is posted: tests use it to change what the engine writes.
    using BlockHook = std::function<void (std::uint8_t* block)>;

    EmulatorAudioStream (std::string name, Settings settings);
    ~EmulatorAudioStream();

    // Creates the file and semaphores (replacing leftovers of the same name).
    bool create();
    void start();
    void stop();
    void remove();   // deletes the file and the semaphores
    // An engine that shrinks the file under a running stream: the stream stops,
    // lets go of its own mapping, cuts the file to `bytes` and posts once more so
    // that the client looks at the block.
    void shrinkFile (std::size_t bytes);

    const std::string& getName() const { return name; }
    static std::string sharedFolder();

    void setPaused (bool paused) { this->paused = paused; }
    void setBlockSize (int samples) { blockSize = samples; }
    void setStreamValue2 (std::uint16_t value) { streamValue2 = value; }
    void setHostChannelCount (int channels) { hostChannels = channels; }
    void setBeforePost (BlockHook hook);

    Statistics statistics() const;
    // Post-to-answer times in ms of the answered blocks, oldest first (at most the last 100000).
    std::vector<double> answerTimes() const;
    void clearAnswerTimes();

    // The plug-in data records of the answered blocks, oldest first (at least the
    // newest Settings::keptRecords), and what the program wrote into device input
    // `channel` (at least the newest Settings::keptInputSamples samples).
    std::vector<PluginRecord> pluginRecords() const;
    std::vector<float> deviceInput (int channel) const;
    void clearAnswers();

    // The frequency of the test tone on a device channel.
    static double toneFrequency (int channel) { return 110.0 * (channel + 1); }

private:
    void run();
    void writeBlock (std::uint8_t* block, int samples, double timeStampMs);
    // Under statsMutex: keeps the records and device inputs of an answered block.
    void keepAnswer (const std::uint8_t* block, int samples, int hosts);

    const std::string name;
    const Settings settings;
    std::atomic<int> blockSize;
    std::atomic<int> hostChannels;
    std::atomic<std::uint16_t> streamValue2;
    std::atomic<bool> paused { false };
    std::atomic<bool> stopping { false };

    std::string filePath;
    std::unique_ptr<boost::interprocess::file_mapping> mapping;
    std::unique_ptr<boost::interprocess::mapped_region> region;
    std::unique_ptr<boost::interprocess::named_semaphore> input;
    std::unique_ptr<boost::interprocess::named_semaphore> output;
    std::thread thread;
    std::uint64_t framePosition = 0;

    mutable std::mutex statsMutex;
    Statistics stats;
    std::vector<double> times;
    BlockHook beforePost;
    std::uint64_t answeredBlocks = 0;
    std::vector<PluginRecord> records;
    std::vector<std::vector<float>> inputs;
};
} // namespace fhemu
