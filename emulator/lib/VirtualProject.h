#pragma once

#include "EmulatorRecords.h"
#include "TransactionCodec.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fhemu
{
// A notification (command 0x30) that the device sends after one of its values
// or records changed: the data type names what changed (a parameter of a sound,
// kit or settings, or a whole record to read again), with the track or index,
// the parameter's object id and its value.
struct DeviceNotification
{
    std::uint8_t dataType = 0;
    std::uint16_t index = 0;
    std::uint16_t objectId = 0;
    std::uint16_t value = 0;

    bool operator== (const DeviceNotification&) const = default;
};

// The project inside the virtual device: a kit with its twelve sounds and
// effects, the project settings, the pattern's mutes, the project's sound pool,
// eight banks of the sound library and the total-recall session. It serves every
// record in the device's wire form, applies what the program writes and the
// commands it sends, and changes as a user at the device would change it.
// Thread-safe: every operation takes the project's lock.
class VirtualProject
{
public:
    static constexpr int numTracks = 12;
    static constexpr int poolSize = 128;
    static constexpr int numBanks = 8;
    static constexpr int bankSize = 256;
    static constexpr int librarySize = numBanks * bankSize;

    // Data types of reads, writes and notifications.
    enum DataType : std::uint8_t
    {
        sound = 4,
        soundParameter = 5,
        soundSetup = 6,
        fxParameter = 8,
        kit = 13,
        kitParameter = 14,
        kitName = 15,
        projectSettings = 24,
        settingsParameter = 25,
        totalRecallImage = 27,
        soundPool = 30,
        soundPoolListing = 31,
        soundLibrary = 32,
        soundBankListing = 33,
        totalRecallState = 34,
        totalRecallSessionId = 35,
        patternMute = 36,
        patternSettings = 37,
    };

    // A drum kit with a few synths, some pool entries and a partly filled library.
    VirtualProject();

    // The record of a read (data type and the read's index) in wire form; empty
    // when the device holds no such record (the engine refuses the read).
    std::optional<Bytes> readRecord (std::uint8_t dataType, std::uint16_t index) const;

    // A transaction from the program: parameter and record writes (0x10), sound
    // pool and library commands (0x42 to 0x45) and total-recall commands (0x50).
    // Returns what the device announces in answer. Malformed or unknown
    // transactions are logged and change nothing; reads are not handled here.
    std::vector<DeviceNotification> apply (const RecordedTransaction& transaction);

    // A user at the device. Each changes the project and returns what the device
    // announces; empty when the change is refused (logged).
    std::vector<DeviceNotification> setTrackLevel (int track, int value);
    std::vector<DeviceNotification> setMute (int track, bool muted);
    std::vector<DeviceNotification> setPatternMute (int track, bool muted);
    // A parameter of the effects track, by its object id.
    std::vector<DeviceNotification> setFxParameter (int objectId, int value);
    // The sections in global mode, one bit each (0 .. 0xFF).
    std::vector<DeviceNotification> setGlobalModeMask (int mask);
    std::vector<DeviceNotification> setSoundParameter (int track, int objectId, int value);
    std::vector<DeviceNotification> renameSound (int track, const std::string& name);
    // source: velocity, pitch bend, mod wheel, breath, aftertouch (0..4); slot A..D
    // (0..3); destination: the byte the setup record stores.
    std::vector<DeviceNotification> setModulationDestination (int track, int source, int slot, int destination);
    std::vector<DeviceNotification> setMachineType (int track, int machineType);
    std::vector<DeviceNotification> renameKit (const std::string& name);

    // What the project holds (tests, the program's status lines).
    records::Kit getKit() const;
    records::Sound getSound (int track) const;
    Bytes getSettings() const;
    int getTrackLevel (int track) const;
    bool isMuted (int track) const;
    int getGlobalModeMask() const;
    // The word an effects parameter holds; empty when the object id names none.
    std::optional<int> getFxParameter (int objectId) const;
    std::uint16_t getPatternMuteMask() const;
    std::optional<records::Sound> getPoolSound (int position) const;
    std::optional<records::Sound> getLibrarySound (int slot) const;
    std::uint32_t getSessionId() const;
    std::uint8_t getTotalRecallState() const;
    Bytes getImage() const;
    // The word that a sound parameter of the track's machine holds; empty when the object id names none.
    std::optional<int> getSoundParameter (int track, int objectId) const;

    // What the device announces once a read of its was answered: a new session is
    // accepted (state 6) once the program has read the session's id, and a transfer
    // to the program ends (state 2) once the program has read the image.
    std::vector<DeviceNotification> readAnswered (std::uint8_t dataType, std::uint16_t index);

    // Whether reads of the image are answered at all (on by default); off, they go
    // unanswered, as from a device that never finishes its transfer.
    void setImageReadsAnswered (bool answered);
    bool answersRead (std::uint8_t dataType) const;

    // A user at the device loads a project (an image) or starts without one (empty).
    void setImage (const Bytes& newImage);

    // Total-recall states the device moves through.
    static constexpr std::uint8_t noSession = 1;
    static constexpr std::uint8_t sessionActive = 2;
    static constexpr std::uint8_t sessionAbort = 3;
    static constexpr std::uint8_t newSessionRequest = 4;
    static constexpr std::uint8_t newSessionAccepted = 6;
    static constexpr std::uint8_t recallRequest = 7;
    static constexpr std::uint8_t recallWaitingForUser = 8;
    static constexpr std::uint8_t recallHostIsMaster = 9;
    static constexpr std::uint8_t recallDeviceIsMaster = 10;
    static constexpr std::uint8_t syncHostToDevice = 11;
    static constexpr std::uint8_t syncDeviceToHost = 12;

private:
    using Notifications = std::vector<DeviceNotification>;

    Notifications applyWrite (const RecordedTransaction& t);
    Notifications applyParameterWrite (std::uint8_t dataType, std::uint16_t index, std::uint16_t objectId,
                                       std::uint16_t value);
    Notifications applySoundSetupWrite (const Bytes& payload);
    Notifications applyStorageCommand (const RecordedTransaction& t);
    Notifications applyTotalRecallCommand (const Bytes& payload);

    bool storeSoundWord (int track, int objectId, int value);
    Notifications changeMachineType (int track, int machineType);
    Bytes listing (int first, int count, bool library) const;

    mutable std::mutex lock;
    records::Kit kitRecord;
    Bytes settingsRecord;
    std::uint16_t patternMask = 0;
    std::uint16_t soloMask = 0;
    std::array<std::optional<records::Sound>, poolSize> pool;
    std::vector<std::optional<records::Sound>> library;
    std::vector<std::uint8_t> libraryFlags;
    std::uint32_t sessionId = 0;
    std::uint8_t recallState = noSession;
    bool acceptAfterIdRead = false;   // a new session waits for the program to read its id
    bool imageReadsAnswered = true;
    Bytes image;
};

// A sound of a machine type with every parameter at its default.
records::Sound makeDefaultSound (int machineType, const std::string& name, std::uint32_t tags);
} // namespace fhemu
