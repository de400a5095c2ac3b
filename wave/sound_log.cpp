#include "wave/sound_log.h"

// The program and the sound module each hold one; the rules switch both by the name.
Q_LOGGING_CATEGORY(soundLog, "troven.sound", QtWarningMsg)
