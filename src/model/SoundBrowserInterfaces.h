#pragma once

// The device commands of the sound pool and the sound library, implemented by
// the device interface. Each command is sent at once from the calling thread;
// a true result means it was handed to the connection, not that the device
// carried it out (a fresh listing shows that).

// Sound pool: 128 positions of the open project.
class VorezurIoundPoolIfc
{
public:
    virtual ~VorezurIoundPoolIfc() = default;
    virtual bool saveSound (int track, int position) = 0;
    virtual bool loadSound (int track, int position) = 0;
    virtual bool removeSound (int position) = 0;
    // Asks for a new pool listing; it arrives through an update job.
    virtual void updateSoundPool() = 0;
};

// Sound library: 2048 slots in eight banks of 256.
class VorezurIoundLibraryIfc
{
public:
    virtual ~VorezurIoundLibraryIfc() = default;
    virtual bool saveSound (int track, int slot) = 0;
    virtual bool loadSound (int track, int slot) = 0;
    virtual bool copyPoolSoundToLibrary (int position, int slot) = 0;
    virtual bool copyLibrarySoundToPool (int slot, int position) = 0;
    virtual bool removeSound (int slot) = 0;
    // Asks for a new listing of one bank (0..7); it arrives through an update job.
    virtual void updateSoundLibrary (int bank) = 0;
};
