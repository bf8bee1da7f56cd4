#include "processor/RemoteDeviceClientFactory.h"

#include "engine/CorvanelInterProcessConnection.h"
#include "engine/IpcSocket.h"
#include "engine/RemoteIpcMessageConnection.h"
#include "engine/SharedMemoryAudioConnection.h"
#include "engine/SharedMemoryUser.h"
#include "foundation/GlobalPreferencesIfc.h"
#include "processor/PluginState.h"

std::unique_ptr<RemoteDeviceClient> makeRemoteDeviceClient (const std::set<int>& supportedProductIds,
                                                            std::shared_ptr<PluginState> pluginState,
                                                            int engineBufferSize, const EngineClientOptions& options)
{
    RemoteIpcMessageConnection::Settings channelSettings;
    channelSettings.port = options.messagePort;
    channelSettings.responseTimeout = options.responseTimeout;
    auto channel = std::make_shared<RemoteIpcMessageConnection> (std::make_unique<CorvanelInterProcessConnection>(),
                                                                 "127.0.0.1", 0, channelSettings);

    auto user = std::make_unique<SharedMemoryUser<SharedMemoryAudioData>> ("_IA", "_OA");
    auto& scheduler = options.scheduler != nullptr ? *options.scheduler : systemSchedulerBackend();
    auto audio = std::make_unique<SharedMemoryAudioConnection> (std::move (user), options.audioInputTimeoutMs, scheduler);
    audio->setStallLimit (options.audioStallLimitMs);

    auto asyncData = std::make_unique<IpcConnectionAsyncData> (std::make_unique<IpcSocket>());
    auto signalling = std::make_unique<IpcAudioConnectionSignalling> (std::make_unique<IpcSocket>());

    return std::make_unique<RemoteDeviceClient> (supportedProductIds, std::move (pluginState), std::move (signalling),
                                                 std::move (asyncData), std::move (audio), std::move (channel),
                                                 engineBufferSize);
}

std::unique_ptr<RemoteDeviceClient> makeRemoteDeviceClient (const std::set<int>& supportedProductIds,
                                                            std::shared_ptr<PluginState> pluginState,
                                                            std::shared_ptr<GlobalPreferencesIfc> globalPreferences,
                                                            const EngineClientOptions& options)
{
    const int bufferSize = globalPreferences != nullptr ? globalPreferences->getBufferSize() : 128;
    return makeRemoteDeviceClient (supportedProductIds, std::move (pluginState), bufferSize, options);
}
