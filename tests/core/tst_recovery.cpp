// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/LocalPath.h"
#include "common/XdgFolders.h"
#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/RecoveryStore.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <unistd.h>

namespace {
RecoveryCopy sample(const QString &path)
{
    QByteArray image(2048, char(0xFF));
    image[7] = 0x12;
    // A stamp whose numbers a double would round: they come back to the last digit.
    const FileStamp stamp {0xFFFF'FFFF'0000'0001ULL, 1ULL << 60, 2048, 1'765'000'000'123'456'789LL, true};
    return {path, ImageLayout::Bits8, QDateTime(QDate(2026, 12, 8), QTime(12, 30, 15, 250), Qt::UTC), image, stamp};
}

class Edit : public QUndoCommand
{
public:
    void undo() override { }
    void redo() override { }
};
} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A copy whose run still goes is never taken; once that run has ended it is found whole, its
    // file's name byte for byte, and dropped with its lock.
    void aCopyIsTakenOnlyOnceItsRunHasEnded()
    {
        QTemporaryDir dir;
        const RecoveryCopy copy = sample(LocalPath::decode("/home/u/Lichtspiel-\xFF\xFE.bin8"));
        auto running = std::make_unique<RecoveryStore>(dir.path());
        QVERIFY(running->write(copy));
        RecoveryStore next(dir.path());
        QVERIFY(next.claimLeftBehind().isEmpty());
        running.reset(); // as a kill ends it: the copy stays
        const QList<RecoveryStore::LeftBehind> found = next.claimLeftBehind();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].copy, copy);
        QCOMPARE(LocalPath::encode(found[0].copy.imagePath), QByteArray("/home/u/Lichtspiel-\xFF\xFE.bin8"));
        RecoveryStore third(dir.path()); // a third run started meanwhile: already claimed
        QVERIFY(third.claimLeftBehind().isEmpty());
        next.drop(found[0].id);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    // Copies left by several runs are offered newest first, whatever order their files lie in.
    void leftBehindCopiesComeNewestFirst()
    {
        QTemporaryDir dir;
        const QList<int> minutes {10, 40, 20};
        for (const int minute : minutes) {
            RecoveryCopy copy = sample(QStringLiteral("/e%1.bin").arg(minute));
            copy.savedAt = QDateTime(QDate(2026, 12, 9), QTime(8, minute), Qt::UTC);
            QVERIFY(RecoveryStore(dir.path()).write(copy)); // each run ends, its copy stays
        }
        QStringList offered;
        for (const RecoveryStore::LeftBehind &left : RecoveryStore(dir.path()).claimLeftBehind())
            offered << left.copy.imagePath;
        QCOMPARE(
            offered, QStringList({QStringLiteral("/e40.bin"), QStringLiteral("/e20.bin"), QStringLiteral("/e10.bin")}));
    }

    // A copy that cannot be replaced (its name taken by a folder, refused as a full disk would
    // refuse it) is said once, however often the keeper tries again.
    void aCopyWhoseWriteFailsIsToldOnce()
    {
        QTemporaryDir dir;
        QUndoStack history;
        RecoveryKeeper keeper(
            history, [] { return sample(QStringLiteral("/e.bin")); }, dir.path());
        QSignalSpy told(&keeper, &RecoveryKeeper::cannotKeep);
        history.push(new Edit);
        keeper.writeNow();
        QCOMPARE(told.size(), 0);
        const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        const QString copyPath = dir.filePath(copies[0]);
        QVERIFY(QFile::remove(copyPath));
        QVERIFY(QDir(dir.path()).mkdir(copies[0]));
        keeper.writeNow();
        keeper.writeNow();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.at(0).at(0).toString().contains(QStringLiteral("Save often")),
            qPrintable(told.at(0).at(0).toString()));
    }

    void whatIsNoCopyIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not JSON") << QByteArray("hello");
        QTest::newRow("another format") << QByteArray(R"({"format":"x","version":1})");
        QByteArray shortImage = RecoveryStore::serialise(sample(QString()));
        shortImage.replace("////", "");
        QTest::newRow("an image of the wrong length") << shortImage;
    }
    void whatIsNoCopyIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!RecoveryStore::parse(bytes));
    }

    // Written a quiet time after the last edit, gone once the edits are saved (clean).
    void theKeeperFollowsTheEdits()
    {
        QTemporaryDir dir;
        QUndoStack history;
        int snapshots = 0;
        RecoveryKeeper keeper(
            history,
            [&snapshots] {
                ++snapshots;
                return sample(QStringLiteral("/x/e.bin"));
            },
            dir.path());
        const auto copies = [&dir] { return QDir(dir.path()).entryList({QStringLiteral("*.recovery")}); };
        history.push(new Edit);
        QVERIFY(keeper.quietTimer()->isActive());
        QCOMPARE(keeper.quietTimer()->interval(), RecoveryKeeper::QuietTime);
        QTest::qWait(200);
        history.push(new Edit); // steady editing does not put the copy off
        QVERIFY(keeper.quietTimer()->remainingTime() <= RecoveryKeeper::QuietTime - 150);
        QMetaObject::invokeMethod(keeper.quietTimer(), "timeout", Qt::DirectConnection);
        QCOMPARE(snapshots, 1);
        QCOMPARE(copies().size(), 1);
        history.setClean();
        QVERIFY(copies().isEmpty());
        keeper.writeNow(); // nothing unsaved: nothing written
        QCOMPARE(snapshots, 1);
        history.undo();
        keeper.writeNow();
        QCOMPARE(copies().size(), 1);
        keeper.discard();
        QVERIFY(copies().isEmpty());
    }

    // A state folder that cannot be written: the copies go to a private folder of the user's own,
    // and the user is told where; one someone else made beforehand is never used.
    void aFolderThatCannotBeWrittenFallsBackToAPrivateOne_data()
    {
        QTest::addColumn<bool>("preferredWritable");
        QTest::addColumn<bool>("fallbackTaken"); // by another user, beforehand
        QTest::addColumn<QString>("notice");
        QTest::newRow("writable: no word") << true << false << "";
        QTest::newRow("not writable: a private folder") << false << false << "are kept for recovery in";
        QTest::newRow("not writable, the private name taken by another user") << false << true << "cannot be kept";
    }
    void aFolderThatCannotBeWrittenFallsBackToAPrivateOne()
    {
        QFETCH(bool, preferredWritable);
        QFETCH(bool, fallbackTaken);
        QFETCH(QString, notice);
        QTemporaryDir dir;
        const QString blocker = TestFiles::writeAll(dir.filePath(QStringLiteral("not-a-folder")), "x");
        const QString preferred = preferredWritable ? dir.filePath(QStringLiteral("state/recovery"))
                                                    : blocker + QStringLiteral("/recovery");
        const QString base = dir.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(base));
        const QString own = QStringLiteral("%1/Glimmerview-%2").arg(base).arg(::geteuid());
        if (fallbackTaken) {
            QVERIFY(QDir().mkpath(own));
            QVERIFY(::chown(QFile::encodeName(own).constData(), 65534, 65534) == 0); // root here: any owner
        }
        const RecoveryFolder chosen = RecoveryFolder::choose(preferred, base);
        QVERIFY2(
            notice.isEmpty() ? chosen.notice.isEmpty() : chosen.notice.contains(notice), qPrintable(chosen.notice));
        if (!notice.isEmpty())
            QVERIFY2(chosen.notice.contains(QStringLiteral("Not a directory")), qPrintable(chosen.notice));
        QCOMPARE(chosen.folder,
            preferredWritable   ? preferred
                : fallbackTaken ? QString()
                                : own + QStringLiteral("/recovery"));
        if (!chosen.folder.isEmpty() && !preferredWritable)
            QCOMPARE(QFileInfo(own).permissions() & 0x0077, QFileDevice::Permissions()); // no one else's
        // Either way nothing is written where it must not be, and a write says so once.
        QUndoStack history;
        RecoveryKeeper keeper(
            history, [] { return sample(QString()); }, chosen.folder);
        QSignalSpy told(&keeper, &RecoveryKeeper::cannotKeep);
        history.push(new Edit);
        keeper.writeNow();
        keeper.writeNow();
        QCOMPARE(told.size(), 0); // an empty folder keeps nothing, and the window said why already
        QCOMPARE(keeper.store().hasCopy(), !chosen.folder.isEmpty());
    }

    // The first copy that cannot be written is told to the window once.
    void aCopyThatCannotBeWrittenIsToldOnce()
    {
        QTemporaryDir dir;
        const QString blocker = TestFiles::writeAll(dir.filePath(QStringLiteral("not-a-folder")), "x");
        QUndoStack history;
        RecoveryKeeper keeper(
            history, [] { return sample(QString()); }, blocker + QStringLiteral("/recovery"));
        QSignalSpy told(&keeper, &RecoveryKeeper::cannotKeep);
        history.push(new Edit);
        keeper.writeNow();
        keeper.writeNow();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.at(0).at(0).toString().contains(QStringLiteral("Not a directory")),
            qPrintable(told.at(0).at(0).toString()));
    }

    // A copy that is not one of ours is left alone, without a lock file of ours beside it.
    void aJunkCopyGetsNoLockFile()
    {
        QTemporaryDir dir;
        TestFiles::writeAll(dir.filePath(QStringLiteral("1-junk.recovery")), "not a copy");
        RecoveryStore store(dir.path());
        QVERIFY(store.claimLeftBehind().isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("1-junk.recovery")});
    }

    // A relative folder in an XDG variable is ignored, as if unset.
    void relativeXdgFoldersAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absolute") << QByteArray("/var/tmp/state") << "/var/tmp/state";
        QTest::newRow("relative") << QByteArray("state") << QDir::homePath() + "/.local/state";
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + "/.local/state";
    }
    void relativeXdgFoldersAreIgnored()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, expected);
        // Put back on every way out, a failed comparison too: the next functions read them.
        const auto restore = [](const char *name) {
            return qScopeGuard([name, set = qEnvironmentVariableIsSet(name), saved = qgetenv(name)] {
                set ? qputenv(name, saved) : qunsetenv(name);
            });
        };
        const auto restoreState = restore("XDG_STATE_HOME");
        const auto restoreConfig = restore("XDG_CONFIG_HOME");
        qputenv("XDG_STATE_HOME", value);
        qputenv("XDG_CONFIG_HOME", value + (value.isEmpty() ? "" : "-config"));
        QCOMPARE(XdgFolders::stateHome(), expected);
        QCOMPARE(XdgFolders::configHome(),
            value.startsWith('/') ? expected + "-config" : QDir::homePath() + QStringLiteral("/.config"));
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
