#pragma once

#include <QLoggingCategory>

// Why a sound is not heard (a file passed over, no sound module, no server, a stream that
// failed). Silent unless switched on: QT_LOGGING_RULES="troven.sound=true".
Q_DECLARE_LOGGING_CATEGORY(soundLog)
