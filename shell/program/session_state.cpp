#include "program/session_state.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSessionManager>
#include <QUrl>

#include <sstream>

#include "game/saved_game.h"
#include "ranking/save_log.h"
#include "windows/form1_main_window.h"

namespace troven {

namespace {

// A saved table is a few hundred bytes; anything much longer is not one.
constexpr qint64 kReadLimit = 4096;

QString stateFolder() {
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + "/.local/state";
    return base + QStringLiteral("/troven");
}

}  // namespace

SessionState::SessionState(std::function<Form1*()> mainWindow)
    : mainWindow_(std::move(mainWindow)) {
    connect(qApp, &QGuiApplication::saveStateRequest, this, &SessionState::save,
            Qt::DirectConnection);
}

QString SessionState::pathFor(const QString& sessionId, const QString& saveKey) {
    // The id and key are the session manager's and Qt's: kept to characters a file name may hold.
    return stateFolder() + QStringLiteral("/session-") +
           QString::fromLatin1(QUrl::toPercentEncoding(sessionId + QLatin1Char('_') + saveKey));
}

void SessionState::save(QSessionManager& manager) const {
    const QString path = pathFor(manager.sessionId(), manager.sessionKey());
    manager.setDiscardCommand({QStringLiteral("rm"), QStringLiteral("-f"), path});
    // Restarted there, the game finds its score.dat and sounds again.
    manager.setManagerProperty(QStringLiteral("CurrentDirectory"), QDir::currentPath());
    Form1* form1 = mainWindow_();
    const auto saved = form1 ? savedGameOf(form1->game()) : std::nullopt;
    if (!saved) return;  // nothing dealt yet: a plain start brings back the same table
    std::ostringstream text;
    writeGame(text, *saved);
    text << "focus " << form1->focusedSlot() << '\n';
    QSaveFile file(path);
    if (!QDir().mkpath(stateFolder()) || !file.open(QIODevice::WriteOnly) ||
        file.write(QByteArray::fromStdString(text.str())) < 0 || !file.commit()) {
        qCWarning(saveLog) << "the table could not be kept with the session in" << path << ":"
                           << file.errorString();
    }
}

void SessionState::restoreInto(Form1& form1) const {
    if (!qApp->isSessionRestored()) return;
    const QString path = pathFor(qApp->sessionId(), qApp->sessionKey());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(saveLog) << "session" << qApp->sessionId() << "restored without its table:" << path
                        << "cannot be read (" << file.errorString() << "); a plain start";
        return;
    }
    std::istringstream in(file.read(kReadLimit).toStdString());
    const auto saved = readGame(in);
    std::string word;
    int focused = -1;
    if (!saved || !(in >> word >> focused) || word != "focus" || !(in >> std::ws).eof()) {
        qCInfo(saveLog) << "session" << qApp->sessionId() << "restored without its table:" << path
                        << "is short or not this program's; a plain start";
        return;
    }
    form1.resumeGame(*saved, focused);
}

}  // namespace troven
