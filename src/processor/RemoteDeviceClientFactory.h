#pragma once

#include "engine/EngineLimits.h"
#include "engine/EngineMessages.h"
#include "engine/RemoteDeviceClient.h"

#include <chrono>
#include <memory>
#include <set>

class GlobalPreferencesIfc;
class PluginState;
class SchedulerBackend;

// Where and how the engine client reaches the engine. The defaults are the engine's;
// tests run emulators on free ports with shorter waits.
struct EngineClientOptions
{
    int messagePort = kFernhollowEngineMessagePort;
    std::chrono::milliseconds responseTimeout { 5000 };
    int audioInputTimeoutMs = 100;
    int audioStallLimitMs = EngineLimits::audioStallLimitMs;
    SchedulerBackend* scheduler = nullptr;   // null: the system's
};

// Builds the engine-client stack: the message channel on its transport, the shared
// audio user and connection, the two device sockets with their connections and the
// remote device client on them. Nothing is connected or started.
std::unique_ptr<RemoteDeviceClient> makeRemoteDeviceClient (const std::set<int>& supportedProductIds,
                                                            std::shared_ptr<PluginState> pluginState,
                                                            int engineBufferSize,
                                                            const EngineClientOptions& options = {});

// The same, with the engine buffer size read from the shared global preferences.
std::unique_ptr<RemoteDeviceClient> makeRemoteDeviceClient (const std::set<int>& supportedProductIds,
                                                            std::shared_ptr<PluginState> pluginState,
                                                            std::shared_ptr<GlobalPreferencesIfc> globalPreferences,
                                                            const EngineClientOptions& options = {});
