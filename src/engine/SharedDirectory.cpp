#include "engine/SharedDirectory.h"

#include <juce_core/juce_core.h>

#include <boost/interprocess/exceptions.hpp>

#include <cerrno>
#include <sys/stat.h>

std::string getSharedDirectory()
{
    const auto temp = juce::File::getSpecialLocation (juce::File::tempDirectory).getFullPathName().toStdString();
    if (temp.empty())
        throw boost::interprocess::interprocess_exception (boost::interprocess::error_info (ENOENT));

    const auto path = temp + "/Fernhollow_Engine";
    if (::mkdir (path.c_str(), 01777) == 0)
    {
        ::chmod (path.c_str(), 01777);   // mkdir applies the umask
        return path;
    }
    if (errno == EEXIST)
        return path;
    throw boost::interprocess::interprocess_exception (boost::interprocess::error_info (errno));
}
