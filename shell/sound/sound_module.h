#pragma once

#include "audio_output.h"

namespace troven {

// The sound module, loaded on the first call from beside the program (TROVEN_SOUND_MODULE_DIR,
// relative to the program's folder), or from the build tree for a program run from there.
// Null when it cannot be loaded: the program then plays on in silence.
const SoundModule* soundModule();

}  // namespace troven
