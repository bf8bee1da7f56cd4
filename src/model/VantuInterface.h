#pragma once

#include "engine/FhAsyncDataWorker.h"
#include "model/DeviceCommandSender.h"
#include "model/Kit.h"
#include "model/Settings.h"
#include "model/SoundLibrary.h"
#include "model/SoundPool.h"
#include "model/TotalRecallState.h"
#include "model/UpdateJobs.h"

#include <memory>

class JobExecutor;

namespace Vantu
{
// The device model's front: the kit (with its sounds and effects block), the
// settings, the sound pool and library listings and the total-recall state,
// kept in step with the device. Device notifications arrive on the worker's
// thread, update results on job threads, commands on the caller's thread.
class VantuInterface : public FhAsyncDataWorker::Listener,
                       public UpdateTotalRecallSessionIdAsync::Client,
                       public UpdateKitAsync::Client,
                       public UpdateProjectFromMachineAsync::Client,
                       public UpdateSoundAsync::Client,
                       public UpdateSoundSetupAsync::Client,
                       public UpdateSettingsAsync::Client,
                       public UpdateSoundPoolListingAsync::Client,
                       public UpdateSoundLibraryBankListingAsync::Client,
                       public UpdatePatternSettingsSetupAsync::Client
{
public:
    VantuInterface (FhAsyncDataWorker& worker, JobExecutor& executor);
    ~VantuInterface() override;

    Kit& getKit() { return *kit; }
    Settings& getSettings() { return *settings; }
    SoundPool& getSoundPool() { return *soundPool; }
    SoundLibrary& getSoundLibrary() { return *soundLibrary; }
    TotalRecallState& getTotalRecallState() { return *totalRecallState; }
    VorezurIoundPoolIfc& getPoolCommands() { return poolCommands; }
    VorezurIoundLibraryIfc& getLibraryCommands() { return libraryCommands; }

    // Update jobs (any thread; each posts a named job and returns at once).
    void updateKit() { kitJob.start(); }
    void updateSound (int track) { soundJob.start (track); }
    void updateSoundSetup (int track) { soundSetupJob.start (track); }
    void updateSettings() { settingsJob.start(); }
    void updatePatternSettings() { patternJob.start(); }
    void updateSoundPool() { poolJob.start(); }
    void updateSoundLibrary (int bank);
    std::shared_ptr<juce::WaitableEvent> updateProjectFromMachine() { return projectJob.start(); }

    void startDataObjectThreads();
    void stopDataObjectThreads();

    void sendTotalRecallCommand (const TotalRecallCommand& command) { commands.sendTotalRecallCommand (command); }
    // The plug-in's project image to the device (any thread); true when written.
    bool sendProjectImage (const juce::MemoryBlock& image) { return commands.sendProjectImage (image.getData(), image.getSize()); }

    // FhAsyncDataWorker::Listener ("FhAsyncDataWorker" thread).
    void asyncNotificationReceived (std::uint8_t dataType, std::uint16_t argument,
                                    std::shared_ptr<FhAsyncParamData> data) override;

    // Update results (job threads).
    void totalRecallSessionIdReceived (std::uint32_t sessionId) override;
    void kitReceived (const kitData_t& record) override;
    void projectImageReceived (const juce::MemoryBlock& image) override;
    void projectImageFailed() override;
    void soundReceived (int track, const soundData_t& record) override;
    void soundSetupReceived (int track, const FhAsyncSoundSetupData& record) override;
    void settingsReceived (const projectSettingsData_t& record) override;
    void soundPoolListingReceived (const FhAsyncSoundPoolListing& listing) override;
    void soundBankListingReceived (const FhAsyncSoundBankListing& listing) override;
    void patternSettingsReceived (const FhAsyncPatternSettingsSetupData& record) override;

private:
    // The two command interfaces share operation signatures, so each is its own small object.
    struct PoolCommands : VorezurIoundPoolIfc
    {
        explicit PoolCommands (VantuInterface& o) : owner (o) {}
        bool saveSound (int track, int position) override;
        bool loadSound (int track, int position) override;
        bool removeSound (int position) override;
        void updateSoundPool() override { owner.updateSoundPool(); }
        VantuInterface& owner;
    };
    struct LibraryCommands : VorezurIoundLibraryIfc
    {
        explicit LibraryCommands (VantuInterface& o) : owner (o) {}
        bool saveSound (int track, int slot) override;
        bool loadSound (int track, int slot) override;
        bool copyPoolSoundToLibrary (int position, int slot) override;
        bool copyLibrarySoundToPool (int slot, int position) override;
        bool removeSound (int slot) override;
        void updateSoundLibrary (int bank) override { owner.updateSoundLibrary (bank); }
        VantuInterface& owner;
    };

    void applyParameter (VantuDataObject& object, bool byTrack, const FhAsyncParamData& record);

    FhAsyncDataWorker& worker;
    DeviceCommandSender commands;
    PoolCommands poolCommands { *this };
    LibraryCommands libraryCommands { *this };
    std::unique_ptr<Kit> kit;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<SoundPool> soundPool;
    std::unique_ptr<SoundLibrary> soundLibrary;
    std::unique_ptr<TotalRecallState> totalRecallState;
    UpdateTotalRecallSessionIdAsync sessionIdJob;
    UpdateKitAsync kitJob;
    UpdateProjectFromMachineAsync projectJob;
    UpdateSoundAsync soundJob;
    UpdateSoundSetupAsync soundSetupJob;
    UpdateSettingsAsync settingsJob;
    UpdateSoundPoolListingAsync poolJob;
    UpdateSoundLibraryBankListingAsync libraryJob;
    UpdatePatternSettingsSetupAsync patternJob;
};
} // namespace Vantu
