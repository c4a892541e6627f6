// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FileReplacer.h"
#include "common/LocalPath.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using TestFiles::readAll;
using TestFiles::writeAll;

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;
constexpr uid_t Someone = 4242; // an owner who is neither root nor nobody

QByteArray encoded(const QString &path)
{
    return LocalPath::encode(path);
}

struct stat statusOf(const QString &path)
{
    struct stat status
    {
    };
    ::stat(encoded(path).constData(), &status);
    return status;
}

// Runs `work` in a child process, as nobody when asked; its exit status, or -1 for a child that
// had to be killed after two seconds (a wait that would have frozen the program).
int inChild(const std::function<bool()> &work, bool asNobody)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Nobody) != 0))
            ::_exit(3);
        ::_exit(work() ? 0 : 1);
    }
    for (int waited = 0; waited < 200; ++waited) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        QTest::qSleep(10);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

FileReplacer::Step killStep;
void killAtChosenStep(FileReplacer::Step step)
{
    if (step == killStep)
        ::raise(SIGKILL);
}
} // namespace

class TestFileReplacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to give files to other owners and to write as nobody");
    }

    // What others see of the file stays theirs: its other names, its owner, group and mode.
    void whatOthersSeeOfTheFileStays_data()
    {
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<uid_t>("owner");
        QTest::addColumn<mode_t>("folderMode");
        QTest::addColumn<bool>("hardLink");
        QTest::newRow("a second hard link sees the new bytes") << false << uid_t(0) << mode_t(0755) << true;
        QTest::newRow("saved by root: owner, group and mode kept") << false << Someone << mode_t(0755) << false;
        QTest::newRow("an owner a new file cannot have: written in place") << true << Someone << mode_t(0777) << false;
        QTest::newRow("a sticky folder refuses the rename: written in place")
            << true << Someone << mode_t(01777) << false;
    }
    void whatOthersSeeOfTheFileStays()
    {
        QFETCH(bool, asNobody);
        QFETCH(uid_t, owner);
        QFETCH(mode_t, folderMode);
        QFETCH(bool, hardLink);
        QTemporaryDir dir;
        QVERIFY(::chmod(encoded(dir.path()).constData(), folderMode) == 0);
        const QString path = writeAll(dir.filePath(QStringLiteral("effect.bin")), QByteArray(2048, 'o'));
        const QString link = dir.filePath(QStringLiteral("other-name.bin"));
        if (hardLink)
            QVERIFY(::link(encoded(path).constData(), encoded(link).constData()) == 0);
        QVERIFY(::chown(encoded(path).constData(), owner, owner) == 0);
        QVERIFY(::chmod(encoded(path).constData(), 0646) == 0); // nobody may write it, as "others"
        const struct stat before = statusOf(path);

        const QByteArray fresh(2048, 'n');
        QCOMPARE(inChild([&] { return FileReplacer::replace(path, fresh); }, asNobody), 0);
        QCOMPARE(readAll(path), fresh);
        if (hardLink)
            QCOMPARE(readAll(link), fresh);
        const struct stat after = statusOf(path);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
            hardLink ? 2 : 1); // no temporary file left
    }

    // Refused without waiting: a named pipe's open() would wait for a reader for ever.
    void whatIsNoRegularFileIsRefused_data()
    {
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("in a folder the user may write") << false;
        QTest::newRow("in a folder the user may not write") << true;
    }
    void whatIsNoRegularFileIsRefused()
    {
        QFETCH(bool, asNobody);
        QTemporaryDir dir;
        QVERIFY(::chmod(encoded(dir.path()).constData(), 0755) == 0);
        const QString pipe = dir.filePath(QStringLiteral("pipe.bin"));
        QVERIFY(::mkfifo(encoded(pipe).constData(), 0666) == 0);
        QCOMPARE(inChild([&] { return FileReplacer::replace(pipe, QByteArray(2048, 'n')); }, asNobody), 1);
        QVERIFY(S_ISFIFO(statusOf(pipe).st_mode));
    }

    // A kill at any point leaves the old bytes or the new ones, never zeros or a mixture within
    // the new length; written in place, a shorter file keeps the old tail until the length is cut
    // (a reader of the new layout reads the new bytes only).
    void aKillAtAnyStepLeavesAWholeFile_data()
    {
        QTest::addColumn<FileReplacer::Step>("step");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<int>("newLength");
        for (int length : {1024, 2048, 4096}) {
            const QByteArray size = QByteArray::number(length);
            QTest::newRow("renamed: temporary written, " + size)
                << FileReplacer::Step::TemporaryWritten << false << length;
            QTest::newRow("renamed: renamed, " + size) << FileReplacer::Step::Renamed << false << length;
            QTest::newRow("in place: written, " + size) << FileReplacer::Step::WrittenInPlace << true << length;
            QTest::newRow("in place: synced, " + size) << FileReplacer::Step::SyncedInPlace << true << length;
            QTest::newRow("in place: cut, " + size) << FileReplacer::Step::CutInPlace << true << length;
        }
    }
    void aKillAtAnyStepLeavesAWholeFile()
    {
        QFETCH(FileReplacer::Step, step);
        QFETCH(bool, inPlace);
        QFETCH(int, newLength);
        QTemporaryDir dir;
        const QByteArray old(2048, 'o');
        const QByteArray fresh(newLength, 'n');
        const QString path = writeAll(dir.filePath(QStringLiteral("effect.bin")), old);
        if (inPlace) // a second name keeps the file where it is
            QVERIFY(::link(encoded(path).constData(), encoded(dir.filePath(QStringLiteral("link"))).constData()) == 0);
        const int status = inChild(
            [&] {
                killStep = step;
                FileReplacer::setStepHook(&killAtChosenStep);
                return FileReplacer::replace(path, fresh);
            },
            false);
        QCOMPARE(status, 128 + SIGKILL);
        const QByteArray left = readAll(path);
        const bool whole = left == old || left == fresh || (inPlace && left == fresh + old.mid(fresh.size()));
        QVERIFY2(whole, qPrintable(QStringLiteral("%1 bytes, %2 of them new").arg(left.size()).arg(left.count('n'))));
    }

    // A temporary file a killed save left is removed at the next save into its folder; one of a
    // run that still goes is not.
    void staleTemporariesAreRemoved()
    {
        QTemporaryDir dir;
        const QString path = writeAll(dir.filePath(QStringLiteral("effect.bin")), QByteArray(2048, 'o'));
        pid_t ended = ::fork();
        if (ended == 0)
            ::_exit(0);
        ::waitpid(ended, nullptr, 0);
        const QString stale = QStringLiteral(".effect.bin.glimmerview-%1-abc").arg(ended);
        const QString live = QStringLiteral(".effect.bin.glimmerview-%1-abc").arg(::getppid());
        const QString notOurs = QStringLiteral(".effect.bin.other-%1-abc").arg(ended);
        for (const QString &name : {stale, live, notOurs})
            writeAll(dir.filePath(name), "x");
        QVERIFY(FileReplacer::replace(path, QByteArray(2048, 'n')));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({live, notOurs, QStringLiteral("effect.bin")}));
    }

    // A link whose file is not made yet stays a link: the file it names is made.
    void aDanglingLinkIsFollowed_data()
    {
        QTest::addColumn<QString>("linkTarget");
        QTest::addColumn<QString>("madeAt");
        QTest::newRow("relative") << "made.bin"
                                  << "made.bin";
        QTest::newRow("through a second link") << "second-link"
                                               << "made.bin";
        QTest::newRow("absolute") << "ABSOLUTE/made.bin"
                                  << "made.bin";
    }
    void aDanglingLinkIsFollowed()
    {
        QFETCH(QString, linkTarget);
        QFETCH(QString, madeAt);
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral("made.bin"), dir.filePath(QStringLiteral("second-link"))));
        const QString link = dir.filePath(QStringLiteral("link.bin"));
        QVERIFY(::symlink(
                    QFile::encodeName(QString(linkTarget).replace(QStringLiteral("ABSOLUTE"), dir.path())).constData(),
                    QFile::encodeName(link).constData())
            == 0);
        QVERIFY(FileReplacer::replace(link, QByteArray(2048, 'n')));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(dir.filePath(madeAt)), QByteArray(2048, 'n'));
    }
};

QTEST_GUILESS_MAIN(TestFileReplacer)
#include "tst_filereplacer.moc"
