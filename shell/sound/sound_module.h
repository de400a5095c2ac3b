#pragma once

#include "sound/audio_output.h"

namespace troven {

// The sound module, loaded on the first call from TROVEN_SOUND_MODULE_DIR relative to the
// program's folder, in the build tree as once installed.
// Null when it cannot be loaded: the program then plays on in silence.
const SoundModule* soundModule();

// Outputs made by the sound module, which is loaded when the first one is asked for.
OutputFactory moduleOutputs();

}  // namespace troven
