#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "platform/previous_instance.h"

using troven::PreviousInstance;

class TestPreviousInstance : public QObject {
    Q_OBJECT

  private slots:
    void theFirstCopyRunsAndASecondIsRefused() {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("troven.lock"));
        PreviousInstance first(lock);
        QVERIFY(!first.isRunning());
        QVERIFY(!first.isRunning());  // asking again does not make the first copy its own rival
        PreviousInstance second(lock);
        QVERIFY(second.isRunning());
    }

    void aCopyInAnotherProcessIsSeenAndItsLockIsFreedWhenItIsKilled() {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("troven.lock"));
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER), {lock});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));
        QVERIFY(PreviousInstance(lock).isRunning());

        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(lock));  // left behind by the killed copy
        PreviousInstance next(lock);
        QVERIFY(!next.isRunning());
    }

    void aLockThatCannotBeWrittenDoesNotKeepThePlayerOut() {
        PreviousInstance nowhere(QStringLiteral("/nonexistent-folder/troven.lock"));
        QVERIFY(!nowhere.isRunning());
    }
};

QTEST_GUILESS_MAIN(TestPreviousInstance)
#include "test_previous_instance.moc"
