#include "platform/FileStamp.h"

#include <sys/stat.h>

FileStamp FileStamp::of (const juce::File& file)
{
    struct stat info {};
    if (file == juce::File() || ::stat (file.getFullPathName().toRawUTF8(), &info) != 0)
        return {};

    FileStamp stamp;
    stamp.modifiedNanoseconds = static_cast<std::int64_t> (info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.inode = static_cast<std::uint64_t> (info.st_ino);
    stamp.size = static_cast<std::int64_t> (info.st_size);
    return stamp;
}
