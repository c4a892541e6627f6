// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/LocalPath.h"
#include "common/XdgFolders.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/RecoveryStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace {
RecoveryCopy sample(const QString &path)
{
    QByteArray image(2048, char(0xFF));
    image[7] = 0x12;
    return {path, ImageLayout::Bits8, QDateTime(QDate(2026, 12, 8), QTime(12, 30, 15, 250), Qt::UTC), image};
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
        history.push(new Edit);
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
        const QByteArray saved = qgetenv("XDG_STATE_HOME");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_STATE_HOME", value);
        qputenv("XDG_CONFIG_HOME", value + (value.isEmpty() ? "" : "-config"));
        QCOMPARE(XdgFolders::stateHome(), expected);
        QCOMPARE(XdgFolders::configHome(),
            value.startsWith('/') ? expected + "-config" : QDir::homePath() + QStringLiteral("/.config"));
        qputenv("XDG_STATE_HOME", saved);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
