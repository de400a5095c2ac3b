// A save that cannot be made, on a full disk and in a read-only folder: it fails with the clear
// message, the previous file stays as it was, and the program goes on. The folders are small
// memory file systems this test mounts in a mount namespace of its own; it needs root and exits
// with 77 (skipped) when it cannot mount.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "game/random_source.h"
#include "looks/fonts.h"
#include "modal_driver.h"
#include "platform/previous_instance.h"
#include "program/qt_translations.h"
#include "ranking/score_file.h"
#include "score_files.h"
#include "shown_window.h"
#include "small_disk.h"
#include "two_tables.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

using namespace troven;
using namespace troven::testing;

namespace {

enum class Breakage { FullDisk, ReadOnly };

// A file that does not read cleanly (the first two lines of the default table): a save must
// keep it as ".bak" before replacing it.
const QByteArray kShortFile = testing::kDefaultScoreFile.first(19);

// A clean ranking no opening from the menu enters (its tenth score is not below 0).
const QByteArray kTopFile = QByteArray("\"TOP\",47\r\n").repeated(kPlaces);

bool breakDisk(SmallDisk& disk, Breakage how) {
    return how == Breakage::FullDisk ? disk.fill() : disk.setReadOnly(true);
}

bool mendDisk(SmallDisk& disk, Breakage how) {
    return how == Breakage::FullDisk ? disk.free() : disk.setReadOnly(false);
}

// What the disk holds besides the filler.
QStringList entries(const SmallDisk& disk) {
    QStringList names =
        QDir(disk.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    names.removeAll(QStringLiteral("filler"));
    return names;
}

// The message names the file, says why, and says that the file was left alone.
bool isClearMessage(const QString& message, const QString& path, const QString& reason) {
    return message.startsWith(QStringLiteral("ランキングを「%1」に保存できませんでした。\n理由: %2")
                                  .arg(path, reason)) &&
           message.endsWith(QStringLiteral("「%1」は変更していません。").arg(path));
}

void trigger(Form1& form, const char* action) {
    QAction* item = form.findChild<QAction*>(QString::fromLatin1(action));
    if (!item) qFatal("no menu item %s", action);
    item->trigger();
}

}  // namespace

Q_DECLARE_METATYPE(Breakage)
Q_DECLARE_METATYPE(SaveResult::Failure)

class TestSaveFailures : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fonts::installSubstitutes();
        installJapaneseQtTranslations(*QCoreApplication::instance());
    }
    // A dialog a failed case waited for in vain must not be answered by its leftover poller in
    // the next case (testing::whenModal parents its pollers to the application).
    void cleanup() {
        qDeleteAll(qApp->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly));
    }

    void aFailedSaveLeavesEverythingAsItWas_data() {
        QTest::addColumn<Breakage>("how");
        QTest::addColumn<QByteArray>("previous");
        QTest::addColumn<SaveResult::Failure>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk")
            << Breakage::FullDisk << kSecondFile << SaveResult::Failure::WriteFailed
            << QStringLiteral("書き込みに失敗しました");
        QTest::newRow("full disk, irregular file")
            << Breakage::FullDisk << kShortFile << SaveResult::Failure::BackupFailed
            << QStringLiteral("正しく読めなかった元の内容を");
        QTest::newRow("read-only")
            << Breakage::ReadOnly << kSecondFile << SaveResult::Failure::CannotCreate
            << QStringLiteral("新しいファイルを作れませんでした");
        QTest::newRow("read-only, irregular file")
            << Breakage::ReadOnly << kShortFile << SaveResult::Failure::BackupFailed
            << QStringLiteral("正しく読めなかった元の内容を");
    }
    void aFailedSaveLeavesEverythingAsItWas() {
        QFETCH(Breakage, how);
        QFETCH(QByteArray, previous);
        QFETCH(SaveResult::Failure, failure);
        QFETCH(QString, reason);
        SmallDisk disk;
        QVERIFY(disk.mounted());
        const QString path = disk.filePath(kScoreFileName);
        QVERIFY(writeFile(path, previous));
        QVERIFY(breakDisk(disk, how));

        SaveResult result = saveTable(firstTable(), path);
        QCOMPARE(static_cast<int>(result.failure), static_cast<int>(failure));
        QVERIFY(!result.detail.isEmpty());
        const QString message = saveFailureMessage(path, result);
        QVERIFY2(isClearMessage(message, path, reason), qPrintable(message));
        QCOMPARE(readFile(path), previous);
        QCOMPARE(entries(disk), QStringList{kScoreFileName});  // no temporary file, no half copy

        // Once the disk is mended the same save goes through.
        QVERIFY(mendDisk(disk, how));
        result = saveTable(firstTable(), path);
        QVERIFY2(result.ok(), qPrintable(saveFailureMessage(path, result)));
        QCOMPARE(readFile(path), kFirstFile);
        if (previous == kShortFile) QCOMPARE(readFile(backupPath(path)), kShortFile);
    }

    // The real windows: the ranking opened from the menu cannot be saved when it closes. The
    // warning comes up and is dismissed, the main window takes input again, and the game goes
    // on; once the disk is mended, the next closing of the ranking saves.
    void theRankingWindowWarnsAndTheGameGoesOn_data() {
        QTest::addColumn<Breakage>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk")
            << Breakage::FullDisk << QStringLiteral("書き込みに失敗しました");
        QTest::newRow("read-only")
            << Breakage::ReadOnly << QStringLiteral("新しいファイルを作れませんでした");
    }
    void theRankingWindowWarnsAndTheGameGoesOn() {
        QFETCH(Breakage, how);
        QFETCH(QString, reason);
        SmallDisk disk;
        QVERIFY(disk.mounted());
        QTemporaryDir lockDir;
        QVERIFY(QDir::setCurrent(disk.path()));
        const auto leave = qScopeGuard([] { QDir::setCurrent(QDir::tempPath()); });
        QVERIFY(writeFile(kScoreFileName, kTopFile));

        ClockSeededRandom random;
        PreviousInstance previous(lockDir.filePath(QStringLiteral("lock")));
        Form1 form(previous, random);
        QVERIFY(form.Form_Load());
        form.show();
        trigger(form, "mnuGameRanking");
        Form2* ranking = testing::shownWindow<Form2>();
        QVERIFY(ranking);
        QVERIFY(!form.isEnabled());

        QVERIFY(breakDisk(disk, how));
        QString shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        testing::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (box) {
                shown = box->text();
                icon = box->icon();
            }
            dialog->close();
        });
        QVERIFY(ranking->close());
        QVERIFY2(isClearMessage(shown, kScoreFileName, reason), qPrintable(shown));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(form.isEnabled());
        QCOMPARE(readFile(kScoreFileName), kTopFile);

        trigger(form, "mnuGameNew");
        QTest::mouseClick(form.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(0)")),
                          Qt::LeftButton);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("1"));

        // Cleared, so that a save that went through shows in the file.
        QVERIFY(mendDisk(disk, how));
        trigger(form, "mnuGameRanking");
        ranking = testing::shownWindow<Form2>();
        QVERIFY(ranking);
        testing::whenModal([](QWidget* dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                box->button(QMessageBox::Yes)->click();
            dialog->close();
        });
        QTest::mouseClick(ranking->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(ranking->close());
        QVERIFY(form.isEnabled());
        QCOMPARE(readFile(kScoreFileName), kFirstFile);
    }
};

int main(int argc, char** argv) {
    // Before Qt starts any thread of its own.
    if (const QString why = enterPrivateMounts(); !why.isEmpty()) {
        std::fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    QApplication app(argc, argv);
    TestSaveFailures test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_failures.moc"
