#pragma once

// A console client of the engine session: connects to the engine's message channel,
// opens the Kolvane the engine offers (the stored one, or the first free one) and
// prints every second what it sees: the devices, the connection, the audio blocks.
// Runs until SIGINT or SIGTERM.
//
//   fernhollow --engine-session [--port N]
int runEngineSessionMonitor (int argc, char** argv);
