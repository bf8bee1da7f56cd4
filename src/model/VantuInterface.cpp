#include "model/VantuInterface.h"

#include "foundation/Logger.h"
#include "model/DeviceNotification.h"
#include "model/DeviceRecordAppliers.h"
#include "model/tables/ParameterTable.h"

namespace Vantu
{
using Area = DeviceCommandSender::Area;

VantuInterface::VantuInterface (FhAsyncDataWorker& workerToUse, JobExecutor& executor)
    : worker (workerToUse),
      commands (workerToUse.getIoProcessor()),
      kit (std::make_unique<Kit> (&workerToUse.getIoProcessor())),
      settings (std::make_unique<Settings> (&workerToUse.getIoProcessor())),
      soundPool (std::make_unique<SoundPool> (&poolCommands)),
      soundLibrary (std::make_unique<SoundLibrary> (&libraryCommands)),
      totalRecallState (std::make_unique<TotalRecallState>()),
      sessionIdJob (&executor, &workerToUse, this),
      kitJob (&executor, &workerToUse, this),
      projectJob (&executor, &workerToUse, this),
      soundJob (&executor, &workerToUse, this),
      soundSetupJob (&executor, &workerToUse, this),
      settingsJob (&executor, &workerToUse, this),
      poolJob (&executor, &workerToUse, this),
      libraryJob (&executor, &workerToUse, this),
      patternJob (&executor, &workerToUse, this)
{
    worker.addListener (this);
}

VantuInterface::~VantuInterface()
{
    worker.removeListener (this);
    stopDataObjectThreads();
}

void VantuInterface::updateSoundLibrary (int bank)
{
    if (SoundLibrary::acceptBank (bank))
        libraryJob.start (bank);
}

void VantuInterface::startDataObjectThreads()
{
    kit->startTransmitThread();
    kit->getFx().startTransmitThread();
    for (int t = 0; t < Kit::numTracks; ++t)
        kit->getSound (t)->startTransmitThread();
    settings->startTransmitThread();
}

void VantuInterface::stopDataObjectThreads()
{
    kit->stopTransmitThread();
    kit->getFx().stopTransmitThread();
    for (int t = 0; t < Kit::numTracks; ++t)
        kit->getSound (t)->stopTransmitThread();
    settings->stopTransmitThread();
}

//==============================================================================
bool VantuInterface::PoolCommands::saveSound (int track, int position) { return owner.commands.saveSound (Area::soundPool, track, position); }
bool VantuInterface::PoolCommands::loadSound (int track, int position) { return owner.commands.loadSound (Area::soundPool, track, position); }
bool VantuInterface::PoolCommands::removeSound (int position) { return owner.commands.removeSound (Area::soundPool, position); }
bool VantuInterface::LibraryCommands::saveSound (int track, int slot) { return owner.commands.saveSound (Area::soundLibrary, track, slot); }
bool VantuInterface::LibraryCommands::loadSound (int track, int slot) { return owner.commands.loadSound (Area::soundLibrary, track, slot); }
bool VantuInterface::LibraryCommands::copyPoolSoundToLibrary (int position, int slot) { return owner.commands.copySound (Area::soundPool, position, slot); }
bool VantuInterface::LibraryCommands::copyLibrarySoundToPool (int slot, int position) { return owner.commands.copySound (Area::soundLibrary, slot, position); }
bool VantuInterface::LibraryCommands::removeSound (int slot) { return owner.commands.removeSound (Area::soundLibrary, slot); }

//==============================================================================
void VantuInterface::asyncNotificationReceived (std::uint8_t dataType, std::uint16_t, std::shared_ptr<FhAsyncParamData> data)
{
    using Kind = DeviceNotificationAction::Kind;
    const auto action = classifyNotification (dataType, data != nullptr, data != nullptr ? *data : FhAsyncParamData {});

    switch (action.kind)
    {
        case Kind::none: break;
        case Kind::unhandled: FH_LOG (spdlog::level::err, "Unhandled machine notification: {} ", (int) dataType); break;
        case Kind::outsideKit:
            FH_LOG (spdlog::level::warn, "Ignored a machine notification of type {} for track index {} outside the kit",
                    (int) dataType, action.track);
            break;
        case Kind::updateSound: updateSound (action.track); break;
        case Kind::updateSoundSetup: updateSoundSetup (action.track); break;
        case Kind::updateKit: updateKit(); break;
        case Kind::updateSettings: updateSettings(); break;
        case Kind::updateSoundPool: updateSoundPool(); break;
        case Kind::updateSoundLibrary: updateSoundLibrary (action.bank); break;
        case Kind::updatePatternSettings: updatePatternSettings(); break;
        case Kind::updateTotalRecallSessionId: sessionIdJob.start(); break;
        case Kind::setTotalRecallState: totalRecallState->setState ((std::uint8_t) action.value); break;
        case Kind::setPatternMute: kit->setValueFromMachine (Kit::trackPatternMuteId (action.track), action.value, false); break;
        case Kind::soundParameter: applyParameter (*kit->getSound (action.track), false, *data); break;
        case Kind::fxParameter: applyParameter (kit->getFx(), false, *data); break;
        case Kind::kitParameter: applyParameter (*kit, true, *data); break;
        case Kind::settingsParameter: applyParameter (*settings, true, *data); break;
    }
}

void VantuInterface::applyParameter (VantuDataObject& object, bool byTrack, const FhAsyncParamData& record)
{
    const int row = getLogicalParamIdFromObId (record.objectId);
    const auto id = byTrack ? object.findIdByTableIndex (row, record.index) : object.getIdForTableIndex (row);
    if (! id.isNull())
        object.setValueFromMachine (id, record.value, true);
}

//==============================================================================
void VantuInterface::totalRecallSessionIdReceived (std::uint32_t sessionId)
{
    totalRecallState->setSessionId (static_cast<int> (sessionId));
}

void VantuInterface::kitReceived (const kitData_t& record) { kit->applyStorage (record); }

void VantuInterface::projectImageReceived (const juce::MemoryBlock& image) { totalRecallState->setImage (image); }

void VantuInterface::projectImageFailed()
{
    FH_LOG (spdlog::level::err, "Project Data Transfer From Machine Has Failed");
}

void VantuInterface::soundReceived (int track, const soundData_t& record) { kit->getSound (track)->applyStorage (record); }

void VantuInterface::soundSetupReceived (int, const FhAsyncSoundSetupData& record)
{
    const int track = record.trackIndex;
    if (track < Kit::numTracks)
    {
        kit->getSound (track)->applySoundSetup (record);
    }
}

void VantuInterface::settingsReceived (const projectSettingsData_t& record) { settings->applyStorage (record); }

void VantuInterface::soundPoolListingReceived (const FhAsyncSoundPoolListing& listing)
{
    soundPool->setEntries (SoundListing::poolEntriesFromListing (listing));
}

void VantuInterface::soundBankListingReceived (const FhAsyncSoundBankListing& listing)
{
    soundLibrary->applyBankListing (SoundListing::libraryEntriesFromListing (listing));
}

void VantuInterface::patternSettingsReceived (const FhAsyncPatternSettingsSetupData& record)
{
    applyPatternMuteMask (*kit, record.trackMuteMask);
}
} // namespace Vantu
