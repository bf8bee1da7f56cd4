// The engine emulator as a program: the engine's message channel with one virtual
// Kolvane that streams a test tone on every device channel once a client opens it,
// and serves its project (kit, sounds, settings, sound pool, library, total recall)
// to the client, taking the client's changes.
//
//   fernhollow-engine-emulator [--port N] [--data-port N] [--fast] [--animate] [--quiet]
//                              [--drift-ppm X] [--jitter-ms X] [--silent-image-reads]
//
// --port: the message channel's port (46000 unless given; 0 picks a free one, printed
// on the first line). --fast: blocks as fast as the client answers them instead of
// one every block / 48000 s. --data-port: also serve a device data channel on its
// own on that port (0: a free one, printed), logging every transaction received.
// --animate: every two seconds a virtual user changes something on the opened
// device (a level, a mute, a knob; now and then a sound's name or machine), and
// the device tells the client. --drift-ppm: the device's clock runs this many parts
// per million fast (negative: slow) against the monotonic clock. --jitter-ms: each
// block's time stamp scatters uniformly within +- this. --silent-image-reads: the
// device never answers a read of its total-recall image.
#include "AsyncDataServer.h"
#include "EmulatorSession.h"
#include "VirtualUser.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace
{
std::atomic<bool> quitRequested { false };

void onSignal (int)
{
    quitRequested = true;
}
} // namespace

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);
    std::signal (SIGINT, onSignal);
    std::signal (SIGTERM, onSignal);

    fhemu::EmulatorSession::Settings settings;
    bool quiet = false;
    bool animate = false;
    int dataPort = -1;
    bool silentImageReads = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp (argv[i], "--port") == 0 && i + 1 < argc)
            settings.messagePort = std::atoi (argv[++i]);
        else if (std::strcmp (argv[i], "--data-port") == 0 && i + 1 < argc)
            dataPort = std::atoi (argv[++i]);
        else if (std::strcmp (argv[i], "--fast") == 0)
            settings.audio.pacing = fhemu::EmulatorAudioStream::Pacing::asFastAsAnswered;
        else if (std::strcmp (argv[i], "--drift-ppm") == 0 && i + 1 < argc)
            settings.audio.clockDriftPpm = std::atof (argv[++i]);
        else if (std::strcmp (argv[i], "--jitter-ms") == 0 && i + 1 < argc)
            settings.audio.stampJitterMs = std::atof (argv[++i]);
        else if (std::strcmp (argv[i], "--quiet") == 0)
            quiet = true;
        else if (std::strcmp (argv[i], "--animate") == 0)
            animate = true;
        else if (std::strcmp (argv[i], "--silent-image-reads") == 0)
            silentImageReads = true;
        else
        {
            std::fprintf (stderr, "usage: fernhollow-engine-emulator [--port N] [--data-port N] [--fast] [--animate] [--quiet]"
                                   " [--drift-ppm X] [--jitter-ms X] [--silent-image-reads]\n");
            return 2;
        }
    }

    fhemu::EmulatorSession session (settings);
    if (! session.start())
    {
        std::fprintf (stderr, "Could not listen on port %d\n", settings.messagePort);
        return 1;
    }
    session.addDevice (fhemu::EmulatorSession::virtualKolvane(), false);
    if (silentImageReads)
        session.projectOf (fhemu::EmulatorSession::virtualKolvane().uid)->setImageReadsAnswered (false);
    std::printf ("message port %d\n", session.getMessagePort());

    fhemu::AsyncDataServer dataChannel;
    if (dataPort >= 0)
    {
        if (! dataChannel.start (dataPort))
        {
            std::fprintf (stderr, "Could not listen on port %d\n", dataPort);
            return 1;
        }
        dataChannel.setTransactionHandler ([quiet] (const fhemu::RecordedTransaction& t)
        {
            if (quiet)
                return;
            std::printf ("data: %s, %zu payload bytes%s\n", t.header.describe().c_str(), t.payload.size(),
                         t.checksumOk ? "" : " (checksum mismatch)");
            std::fflush (stdout);
        });
        std::printf ("data port %d\n", dataChannel.getPort());
    }
    std::fflush (stdout);

    fhemu::VirtualUser user;
    if (animate)
        user.start ([&] {
            for (const auto& device : session.devices())
                if (auto* open = session.openDevice (device.uid); open != nullptr && open->dataServer.isClientConnected())
                {
                    std::string what;
                    const auto notifications = user.step (open->device->getProject(), what);
                    open->device->announce (notifications);
                    if (! quiet)
                    {
                        std::printf ("%s: %s\n", device.name.c_str(), what.c_str());
                        std::fflush (stdout);
                    }
                }
        }, std::chrono::seconds (2));

    std::uint64_t lastPosted = 0;
    while (! quitRequested.load())
    {
        std::this_thread::sleep_for (std::chrono::seconds (1));
        if (quiet)
            continue;
        for (const auto& device : session.devices())
            if (auto* open = session.openDevice (device.uid))
            {
                const auto s = open->audio->statistics();
                std::printf ("%s: %llu blocks posted (+%llu), %llu answered, %llu unanswered, client %s\n",
                             device.name.c_str(), static_cast<unsigned long long> (s.posted),
                             static_cast<unsigned long long> (s.posted - lastPosted),
                             static_cast<unsigned long long> (s.answered), static_cast<unsigned long long> (s.unanswered),
                             s.clientAttached ? "attached" : "detached");
                lastPosted = s.posted;
            }
        std::fflush (stdout);
    }

    user.stop();
    session.stop();
    return 0;
}
