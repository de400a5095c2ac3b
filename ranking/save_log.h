#pragma once

#include <QLoggingCategory>

namespace troven {

// Why a save failed, when an irregular file was kept, why a session's table was not brought back:
// QT_LOGGING_RULES="troven.save=true".
Q_DECLARE_LOGGING_CATEGORY(saveLog)

}  // namespace troven
