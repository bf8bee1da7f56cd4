#include "engine/RemoteDeviceClient.h"

#include "processor/PluginState.h"
