#pragma once

#include "audio_output.h"

namespace troven {

// The sound module, loaded on the first call from beside the program (TROVEN_SOUND_MODULE_DIR,
// relative to the program's folder), or from the build tree for a program run from there.
// Null when it cannot be loaded: the program then plays on in silence.
const SoundModule* soundModule();

// Ends the process with `status`, as returning from main would. Once the sound module is loaded,
// the destructors of static objects are skipped: in them Qt Multimedia 6.4 takes its PulseAudio
// connection down while the connection's own thread still runs, which now and then aborts the
// process after everything else is done. Output is flushed first. Call it from main, with
// everything of the program's own already gone.
[[noreturn]] void endProcess(int status);

}  // namespace troven
