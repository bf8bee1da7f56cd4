#pragma once

// A console client of the engine session: connects to the engine's message channel,
// opens the Kolvane the engine offers (the stored one, or the first free one), reads
// the device's whole model and prints it (kit, tracks, settings, sound pool, library),
// then prints one line per change of the model until SIGINT or SIGTERM. It also says
// when the engine comes and goes, lists the devices when they change and reports the
// audio blocks every ten seconds.
//
//   fernhollow --engine-session [--port N]
int runEngineSessionMonitor (int argc, char** argv);
