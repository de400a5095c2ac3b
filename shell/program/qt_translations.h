#pragma once

class QCoreApplication;

namespace troven {

// Qt's own dialogs (message box, input box) speak Japanese, as on a Japanese desktop.
void installJapaneseQtTranslations(QCoreApplication& app);

}  // namespace troven
