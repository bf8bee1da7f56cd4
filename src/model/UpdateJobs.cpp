#include "model/UpdateJobs.h"

#include "engine/FhAsyncDataWorker.h"
#include "foundation/JobExecutor.h"
#include "model/UpdateJobBody.h"
#include "model/storage/RecordReadTraits.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageUpgrade.h"

namespace Vantu
{
namespace
{
using Argument = FhAsyncDataWorker::ReadArgument;

// Posts a job that reads one record of type T and passes it (when there is one) to `apply`.
template <typename T, typename Apply>
void postRead (JobExecutor* executor, FhAsyncDataWorker* worker, const char* name, Argument argument, int index,
               Apply apply)
{
    if (executor == nullptr || worker == nullptr)
        return;

    executor->addJob (name, [worker, argument, index, apply] (juce::ThreadPoolJob* job) {
        runUpdateJob (job, worker->read<T> (argument, index), [&] (std::shared_ptr<T>& record) {
            if (record != nullptr)
                apply (*record);
        });
    });
}
} // namespace

void UpdateTotalRecallSessionIdAsync::start()
{
    postRead<std::uint32_t> (executor, worker, "UpdateTotalRecallSessionId", {}, 0,
                             [c = client] (const std::uint32_t& id) { c->totalRecallSessionIdReceived (id); });
}

void UpdateKitAsync::start()
{
    postRead<kitStorageContainer_t> (executor, worker, "UpdateKit", {}, 0, [c = client] (kitStorageContainer_t& stored) {
        auto kit = std::make_unique<kitData_t>();
        if (upgradeKitStorage (&stored) && Serializer::readKit (kit.get(), &stored))
            c->kitReceived (*kit);
    });
}

std::shared_ptr<juce::WaitableEvent> UpdateProjectFromMachineAsync::start()
{
    auto done = std::make_shared<juce::WaitableEvent>();
    if (executor == nullptr || worker == nullptr)
        return done;

    executor->addJob ("UpdateProject", [w = worker, c = client, done] (juce::ThreadPoolJob* job) {
        runUpdateJob (
            job, w->read<std::vector<std::uint8_t>>(),
            [&] (std::vector<std::uint8_t>& bytes) {
                if (bytes.empty())
                {
                    c->projectImageFailed();
                    return;
                }
                FH_LOG (spdlog::level::debug, "Machine total recall image received! Size={}", bytes.size());
                c->projectImageReceived (juce::MemoryBlock (bytes.data(), bytes.size()));
                done->signal();
            },
            [c] { c->projectImageFailed(); });
    });
    return done;
}

void UpdateSoundAsync::start (int track)
{
    postRead<soundStorageContainer_t> (executor, worker, "UpdateSound", { (std::uint32_t) track, 0 }, track,
                                       [c = client, track] (soundStorageContainer_t& stored) {
                                           auto sound = std::make_unique<soundData_t>();
                                           if (upgradeSoundStorage (&stored) && Serializer::readSound (sound.get(), &stored))
                                               c->soundReceived (track, *sound);
                                       });
}

void UpdateSoundSetupAsync::start (int track)
{
    postRead<FhAsyncSoundSetupData> (executor, worker, "UpdateSoundSetup", { (std::uint32_t) track, 0 }, track,
                                     [c = client, track] (const FhAsyncSoundSetupData& setup) {
                                         c->soundSetupReceived (track, setup);
                                     });
}

void UpdateSettingsAsync::start()
{
    postRead<projectSettingsStorage_v2_t> (executor, worker, "UpdateSettings", {}, 0,
                                           [c = client] (const projectSettingsStorage_v2_t& stored) {
                                               auto settings = std::make_unique<projectSettingsData_t>();
                                               if (Serializer::readSettings (settings.get(), &stored))
                                                   c->settingsReceived (*settings);
                                           });
}

void UpdateSoundPoolListingAsync::start()
{
    postRead<FhAsyncSoundPoolListing> (executor, worker, "UpdateSoundPool", {}, 0,
                                       [c = client] (const FhAsyncSoundPoolListing& l) { c->soundPoolListingReceived (l); });
}

void UpdateSoundLibraryBankListingAsync::start (int bank)
{
    postRead<FhAsyncSoundBankListing> (executor, worker, "UpdateSoundLibrary", {}, bank & 0xFFFF,
                                       [c = client] (const FhAsyncSoundBankListing& l) { c->soundBankListingReceived (l); });
}

void UpdatePatternSettingsSetupAsync::start()
{
    postRead<FhAsyncPatternSettingsSetupData> (executor, worker, "UpdatePatternSettings", {}, 0,
                                               [c = client] (const FhAsyncPatternSettingsSetupData& p) {
                                                   c->patternSettingsReceived (p);
                                               });
}
} // namespace Vantu
