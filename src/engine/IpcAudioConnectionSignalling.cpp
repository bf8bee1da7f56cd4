#include "engine/IpcAudioConnectionSignalling.h"

IpcAudioConnectionSignalling::IpcAudioConnectionSignalling (std::unique_ptr<IpcSocket> s)
    : IpcSocketConnection ("IPC Audio Connection Signalling", std::move (s))
{
}

IpcAudioConnectionSignalling::~IpcAudioConnectionSignalling()
{
    stop();
}
