// Feeds arbitrary payloads to the storage record factories, the upgrade
// chains and the readers. The first byte picks the record type; the rest is
// the payload as it would come from the device. Besides "no crash", checks
// that writing a converted record and converting it again gives it back.

#include "model/storage/RecordWriters.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageUpgrade.h"
#include "model/storage/WireFactories.h"
#include "model/tables/ParameterTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace Vantu;

namespace
{
template <typename T>
void expectSame (const T& a, const T& b)
{
    if (std::memcmp (&a, &b, sizeof (T)) != 0)
        std::abort();
}

void fuzzKit (const std::uint8_t* data, std::size_t size)
{
    auto kit = makeSharedKitStorage (data, size);
    const auto bytes = writeKitStorage (*kit);
    expectSame (*makeSharedKitStorage (bytes.data(), bytes.size()), *kit);

    const bool upgraded = upgradeKitStorage (kit.get());
    auto dst = std::make_unique<kitData_t>();
    std::memset (dst.get(), 0, sizeof (*dst));
    const bool read = Serializer::readKit (dst.get(), kit.get());
    if (upgraded != read)   // only a kit that reached version 7 is read
        std::abort();
    if (upgraded)
    {
        const auto again = writeKitStorage (*kit);
        expectSame (*makeSharedKitStorage (again.data(), again.size()), *kit);
    }
}

void fuzzSound (const std::uint8_t* data, std::size_t size)
{
    auto sound = makeSharedSoundStorage (data, size);
    const auto bytes = writeSoundStorage (*sound);
    expectSame (*makeSharedSoundStorage (bytes.data(), bytes.size()), *sound);

    const bool upgraded = upgradeSoundStorage (sound.get());
    soundData_t dst {};
    if (upgraded != Serializer::readSound (&dst, sound.get()))
        std::abort();
}

void fuzzSettings (const std::uint8_t* data, std::size_t size)
{
    auto settings = makeSharedProjectSettings (data, size);
    expectSame (*makeSharedProjectSettings (writeProjectSettings (*settings).data()), *settings);
    projectSettingsData_t dst {};
    Serializer::readSettings (&dst, settings.get());
}

void fuzzMidiBlock (const std::uint8_t* data, std::size_t size)
{
    kitMidiParams_t block;
    std::memset (&block, 0, sizeof (block));
    if (data != nullptr)
        std::memcpy (&block, data, std::min (size, sizeof (block)));
    midiParameterData_t dst {};
    Serializer::readFxParams (&dst, &block);
}

void fuzzTransfer (int kind, const std::uint8_t* data, std::size_t size)
{
    switch (kind)
    {
        case 0: {
            auto r = makeSharedSoundSetup (data, size);
            expectSame (*makeSharedSoundSetup (writeSoundSetup (*r).data()), *r);
            break;
        }
        case 1: {
            auto r = makeSharedSoundPoolListing (data, size);
            expectSame (*makeSharedSoundPoolListing (writeSoundPoolListing (*r).data()), *r);
            break;
        }
        case 2: {
            auto r = makeSharedSoundBankListing (data, size);
            expectSame (*makeSharedSoundBankListing (writeSoundBankListing (*r).data()), *r);
            break;
        }
        case 3: {
            auto id = makeSharedSessionId (data, size);
            if (*makeSharedSessionId (writeSessionId (*id).data()) != *id)
                std::abort();
            break;
        }
        default: {
            auto r = makeSharedPatternSettings (data, size);
            expectSame (*makeSharedPatternSettings (writePatternSettings (*r).data()), *r);
            break;
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    // The readers report every replaced field on stdout; keep the run quiet.
    if (std::getenv ("FH_FUZZ_VERBOSE") == nullptr)
        std::freopen ("/dev/null", "w", stdout);
    buildParameterMaps();   // as the program does at start-up
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Payload in an exactly-sized heap block, so a read past it is caught.
    const std::vector<std::uint8_t> payload (data + 1, data + size);
    const auto* p = payload.empty() ? nullptr : payload.data();
    switch (data[0] % 9)
    {
        case 0: fuzzKit (p, payload.size()); break;
        case 1: fuzzSound (p, payload.size()); break;
        case 2: fuzzSettings (p, payload.size()); break;
        case 3: fuzzMidiBlock (p, payload.size()); break;
        default: fuzzTransfer (data[0] % 9 - 4, p, payload.size()); break;
    }
    return 0;
}
