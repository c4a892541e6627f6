// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "tests/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <unistd.h>

// The real program installed where its user cannot write, as /usr/bin is: run as an unprivileged
// user (root may write anywhere), on the offscreen platform, ended by SIGTERM as a logout ends it.
class TestReadOnlyFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsGoToTheUsersConfigurationFolder()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to run the program as the unprivileged user nobody");
        constexpr uid_t Nobody = 65534;
        QTemporaryDir installed; // root's, mode 0700: opened to read and run, not to write
        QTemporaryDir home;
        QVERIFY(QFile::setPermissions(installed.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(::chown(QFile::encodeName(home.path()).constData(), Nobody, Nobody) == 0);
        const QString program = installed.filePath(QStringLiteral("Glimmerview"));
        QVERIFY(QFile::copy(QStringLiteral(GLIMMERVIEW_BINARY), program));

        QProcess process;
        QProcessEnvironment environment;
        for (const char *sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) // as the suite runs
            if (qEnvironmentVariableIsSet(sanitizer))
                environment.insert(QString::fromLatin1(sanitizer), qEnvironmentVariable(sanitizer));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                program});
        QVERIFY(process.waitForStarted());
        QThread::msleep(1500); // its window is up, its settings read
        QCOMPARE(::kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);

        QVERIFY(!QFile::exists(installed.filePath(QStringLiteral("Glimmerview.ini"))));
        const QByteArray ini = TestFiles::readAll(home.filePath(QStringLiteral(".config/Glimmerview/Glimmerview.ini")));
        QVERIFY2(ini.startsWith("[TForm1]\r\nled_col1=1\r\n"), ini.constData());
        QVERIFY2(ini.contains("\r\nOpenDialog_InitialDir=" + QFile::encodeName(home.path()) + "\r\n"), ini.constData());
    }
};

QTEST_GUILESS_MAIN(TestReadOnlyFolder)
#include "tst_readonlyfolder.moc"
