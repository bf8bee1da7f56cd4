#pragma once

#include "engine/AsyncReadTraits.h"
#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/TransferRecords.h"
#include "model/storage/WireFactories.h"

// The device records that the asynchronous data worker reads: their data type
// and the factory that turns an answer's payload into the host-order record.

#define FH_ASYNC_READ_TRAITS(Type, dataTypeValue, factory)                                           \
    template <>                                                                                      \
    struct AsyncReadTraits<Type>                                                                     \
    {                                                                                                \
        static constexpr std::uint8_t dataType = dataTypeValue;                                      \
        static std::shared_ptr<Type> make (const void* data, std::size_t size) { return factory (data, size); } \
    };

FH_ASYNC_READ_TRAITS (Vantu::soundStorageContainer_t, AsyncDataType::sound, Vantu::makeSharedSoundStorage)
FH_ASYNC_READ_TRAITS (FhAsyncSoundSetupData, AsyncDataType::soundSetup, Vantu::makeSharedSoundSetup)
FH_ASYNC_READ_TRAITS (Vantu::kitStorageContainer_t, AsyncDataType::kit, Vantu::makeSharedKitStorage)
FH_ASYNC_READ_TRAITS (Vantu::projectSettingsStorage_v2_t, AsyncDataType::projectSettings, Vantu::makeSharedProjectSettings)
FH_ASYNC_READ_TRAITS (FhAsyncSoundPoolListing, AsyncDataType::soundPoolListing, Vantu::makeSharedSoundPoolListing)
FH_ASYNC_READ_TRAITS (FhAsyncSoundBankListing, AsyncDataType::soundBankListing, Vantu::makeSharedSoundBankListing)
FH_ASYNC_READ_TRAITS (std::uint32_t, AsyncDataType::totalRecallSessionId, Vantu::makeSharedSessionId)
FH_ASYNC_READ_TRAITS (FhAsyncPatternSettingsSetupData, AsyncDataType::patternSettings, Vantu::makeSharedPatternSettings)
#undef FH_ASYNC_READ_TRAITS
