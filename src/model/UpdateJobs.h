#pragma once

#include "model/storage/StorageData.h"
#include "model/storage/TransferRecords.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <memory>

class FhAsyncDataWorker;
class JobExecutor;

namespace Vantu
{
// The named jobs that read one record of the device and hand the result to
// their client (the device interface). Each object is held once by the device
// interface; start() posts a new job on the processor's pool and returns at
// once (a pool that no longer takes jobs drops the request silently). The job
// sends its read through the worker, waits for the answer in one-second slices,
// decodes it and calls its client on the job's thread.
template <typename ClientType>
class UpdateJob
{
public:
    using Client = ClientType;

    UpdateJob (JobExecutor* executorToUse, FhAsyncDataWorker* workerToUse, Client* clientToUse)
        : executor (executorToUse), worker (workerToUse), client (clientToUse) {}

protected:
    JobExecutor* executor;
    FhAsyncDataWorker* worker;
    Client* client;
};

struct TotalRecallSessionIdClient
{
    virtual ~TotalRecallSessionIdClient() = default;
    virtual void totalRecallSessionIdReceived (std::uint32_t sessionId) = 0;
};
class UpdateTotalRecallSessionIdAsync : public UpdateJob<TotalRecallSessionIdClient>
{
public:
    using UpdateJob::UpdateJob;
    void start();   // "UpdateTotalRecallSessionId"
};

struct KitClient
{
    virtual ~KitClient() = default;
    virtual void kitReceived (const kitData_t& kit) = 0;
};
class UpdateKitAsync : public UpdateJob<KitClient>
{
public:
    using UpdateJob::UpdateJob;
    void start();   // "UpdateKit"
};

struct ProjectImageClient
{
    virtual ~ProjectImageClient() = default;
    virtual void projectImageReceived (const juce::MemoryBlock& image) = 0;
    virtual void projectImageFailed() = 0;
};
class UpdateProjectFromMachineAsync : public UpdateJob<ProjectImageClient>
{
public:
    using UpdateJob::UpdateJob;
    // "UpdateProject": the event (auto-resetting) is signalled once the image has
    // been received and handed to the client; never when the read fails.
    std::shared_ptr<juce::WaitableEvent> start();
};

struct SoundClient
{
    virtual ~SoundClient() = default;
    virtual void soundReceived (int track, const soundData_t& sound) = 0;
};
class UpdateSoundAsync : public UpdateJob<SoundClient>
{
public:
    using UpdateJob::UpdateJob;
    void start (int track);   // "UpdateSound"
};

struct SoundSetupClient
{
    virtual ~SoundSetupClient() = default;
    virtual void soundSetupReceived (int track, const FhAsyncSoundSetupData& setup) = 0;
};
class UpdateSoundSetupAsync : public UpdateJob<SoundSetupClient>
{
public:
    using UpdateJob::UpdateJob;
    void start (int track);   // "UpdateSoundSetup"
};

struct SettingsClient
{
    virtual ~SettingsClient() = default;
    virtual void settingsReceived (const projectSettingsData_t& settings) = 0;
};
class UpdateSettingsAsync : public UpdateJob<SettingsClient>
{
public:
    using UpdateJob::UpdateJob;
    void start();   // "UpdateSettings"
};

struct SoundPoolListingClient
{
    virtual ~SoundPoolListingClient() = default;
    virtual void soundPoolListingReceived (const FhAsyncSoundPoolListing& listing) = 0;
};
class UpdateSoundPoolListingAsync : public UpdateJob<SoundPoolListingClient>
{
public:
    using UpdateJob::UpdateJob;
    void start();   // "UpdateSoundPool"
};

struct SoundBankListingClient
{
    virtual ~SoundBankListingClient() = default;
    virtual void soundBankListingReceived (const FhAsyncSoundBankListing& listing) = 0;
};
class UpdateSoundLibraryBankListingAsync : public UpdateJob<SoundBankListingClient>
{
public:
    using UpdateJob::UpdateJob;
    void start (int bank);   // "UpdateSoundLibrary"
};

struct PatternSettingsClient
{
    virtual ~PatternSettingsClient() = default;
    virtual void patternSettingsReceived (const FhAsyncPatternSettingsSetupData& pattern) = 0;
};
class UpdatePatternSettingsSetupAsync : public UpdateJob<PatternSettingsClient>
{
public:
    using UpdateJob::UpdateJob;
    void start();   // "UpdatePatternSettings"
};
} // namespace Vantu
