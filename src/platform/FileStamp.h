#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

// What tells one version of a file from the next: the last-write time to the
// nanosecond, the inode and the size. The framework's own file times have whole
// seconds on this platform, which would miss two saves within one second; a
// save by replacing the file (write a temporary, rename) also gives a new inode.
struct FileStamp
{
    std::int64_t modifiedNanoseconds = 0;   // since 1970; 0 when the file is missing
    std::uint64_t inode = 0;
    std::int64_t size = 0;

    // Milliseconds since 1970, 0 when the file does not exist or cannot be examined.
    std::int64_t modifiedMilliseconds() const { return modifiedNanoseconds / 1000000; }

    bool operator== (const FileStamp&) const = default;

    static FileStamp of (const juce::File& file);
};
