#pragma once

#include <string>

// The engine's shared folder, in which the shared audio files live: the temporary
// folder followed by "/Fernhollow_Engine", created open to every user (sticky) when it
// is missing. Throws boost::interprocess::interprocess_exception when it cannot be made.
std::string getSharedDirectory();
