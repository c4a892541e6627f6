// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr auto AppId = "example.glimmerview.Glimmerview";

struct Run
{
    int status = -1;
    QString output; // stdout and stderr together
};

Run run(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAll())};
}
} // namespace

// What `cmake --install` and the packages put on a machine, checked with the desktop's own
// validators, and the program run from them.
class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_prefix;

private Q_SLOTS:
    void initTestCase()
    {
        const Run install = run(QStringLiteral(CMAKE_COMMAND),
            {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY2(install.status == 0, qPrintable(install.output));
    }

    void everyFileIsInItsPlace_data()
    {
        QTest::addColumn<QString>("path");
        const QString id = QString::fromLatin1(AppId);
        QTest::newRow("program") << QStringLiteral("bin/Glimmerview");
        QTest::newRow("the package's name as a command") << QStringLiteral("bin/glimmerview");
        QTest::newRow("desktop entry") << QStringLiteral("share/applications/%1.desktop").arg(id);
        QTest::newRow("metainfo") << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id);
        QTest::newRow("file types") << QStringLiteral("share/mime/packages/%1.xml").arg(id);
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
        QTest::newRow("an 8-bit example") << QStringLiteral("share/%1/examples/dithered-bar.bin8").arg(id);
        QTest::newRow("a 16-bit example") << QStringLiteral("share/%1/examples/scanner.bin").arg(id);
        QTest::newRow("the programmer's udev rule") << QStringLiteral("lib/udev/rules.d/70-glimmerview-ch341a.rules");
    }
    void everyFileIsInItsPlace()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(m_prefix.filePath(path)).isFile(), qPrintable(path));
        if (path.endsWith(QLatin1String(".png"))) {
            const int size = path.section(QLatin1Char('/'), 3, 3).section(QLatin1Char('x'), 0, 0).toInt();
            QCOMPARE(QImage(m_prefix.filePath(path)).size(), QSize(size, size));
        }
    }

    void theDesktopEntryOpensOurFiles()
    {
        QFile entry(m_prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(QLatin1String(AppId))));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray text = entry.readAll();
        QVERIFY(text.contains("\nExec=Glimmerview %f\n"));
        QVERIFY(text.contains("\nCategories=Development;Electronics;\n"));
        QVERIFY(text.contains("application/x-glimmerview-image8;"));
        QFile types(m_prefix.filePath(QStringLiteral("share/mime/packages/%1.xml").arg(QLatin1String(AppId))));
        QVERIFY(types.open(QIODevice::ReadOnly));
        const QByteArray globs = types.readAll();
        QVERIFY(globs.contains("<glob pattern=\"*.bin8\"/>") && globs.contains("<glob pattern=\"*.bin16\"/>"));
        QVERIFY(!globs.contains("\"*.bin\"")); // plain .bin stays a generic binary file
    }

    void validatorsPass_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        const QString id = QString::fromLatin1(AppId);
        QTest::newRow("desktop-file-validate")
            << "desktop-file-validate"
            << QStringList {m_prefix.filePath(QStringLiteral("share/applications/%1.desktop").arg(id))};
        QTest::newRow("appstreamcli validate")
            << "appstreamcli"
            << QStringList {QStringLiteral("validate"), QStringLiteral("--no-net"),
                   m_prefix.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id))};
    }
    void validatorsPass()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        const Run check = run(validator, arguments);
        QVERIFY2(check.status == 0, qPrintable(check.output));
    }

    // The programmer's rule: checked by udev where it can verify rules, else by its form: the
    // seat's user gets the programmer, and no mode opens it to everyone.
    void theUdevRuleGivesTheProgrammerToTheSeat()
    {
        const QString rule = m_prefix.filePath(QStringLiteral("lib/udev/rules.d/70-glimmerview-ch341a.rules"));
        const Run verify = run(QStringLiteral("udevadm"), {QStringLiteral("verify"), rule});
        if (verify.status != 0 && !verify.output.contains(QStringLiteral("Unknown command"))
            && !verify.output.contains(QStringLiteral("not found")) && !verify.output.isEmpty())
            QFAIL(qPrintable(verify.output));
        QFile file(rule);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList rules;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                rules << line;
        }
        QCOMPARE(rules,
            QStringList {QStringLiteral("SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", ATTR{idVendor}==\"1a86\", "
                                        "ATTR{idProduct}==\"5512\", TAG+=\"uaccess\"")});
    }

    void theInstalledProgramRuns()
    {
        const Run version = run(m_prefix.filePath(QStringLiteral("bin/Glimmerview")), {QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.output, QStringLiteral("Glimmerview 1.0\n"));
    }

    // The documents say what the program does: the manual page has every option its --help shows,
    // and the manual page, the AppStream data and --help all speak of the chip.
    void theDocumentsKeepUpWithTheProgram()
    {
        const Run help = run(m_prefix.filePath(QStringLiteral("bin/Glimmerview")), {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        const Run page = run(QStringLiteral("gzip"),
            {QStringLiteral("-dc"), m_prefix.filePath(QStringLiteral("share/man/man1/Glimmerview.1.gz"))});
        QCOMPARE(page.status, 0);
        const QString manual = QString(page.output).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        static const QRegularExpression option(
            QStringLiteral("^\\s+(?:-\\w, )?(--[\\w-]+)"), QRegularExpression::MultilineOption);
        int options = 0;
        for (const QRegularExpressionMatch &match : option.globalMatch(help.output)) {
            ++options;
            if (match.captured(1) != QLatin1String("--help-all")) // Qt's own, for its own options
                QVERIFY2(manual.contains(match.captured(1)), qPrintable(match.captured(1)));
        }
        QVERIFY(options >= 8);
        QVERIFY(manual.contains(QStringLiteral("backups")));
        QVERIFY(manual.contains(QStringLiteral(".B 2\n")));
        QFile metainfo(
            m_prefix.filePath(QStringLiteral("share/metainfo/example.glimmerview.Glimmerview.metainfo.xml")));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QVERIFY(metainfo.readAll().contains("verifies the chip itself"));
    }

    // Installed without a staging root, the desktop knows the file types at once.
    void theDesktopCachesAreUpToDate()
    {
        QVERIFY(
            QFileInfo(m_prefix.filePath(QStringLiteral("share/mime/application/x-glimmerview-image16.xml"))).isFile());
        QVERIFY(QFileInfo(m_prefix.filePath(QStringLiteral("share/icons/hicolor/icon-theme.cache"))).isFile());
    }

    // Even root, who may write beside it, leaves nothing beside an installed copy: its settings
    // are the user's own.
    void aRootRunLeavesNothingBesideTheProgram()
    {
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(m_prefix.filePath(QStringLiteral("bin/Glimmerview")), {});
        QVERIFY(program.waitForStarted());
        QTest::qWait(1500); // its window is up, its settings read
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QDir(m_prefix.filePath(QStringLiteral("bin"))).entryList(QDir::Files | QDir::NoSymLinks)
            == QStringList {QStringLiteral("Glimmerview")});
        QVERIFY(QFileInfo(home.filePath(QStringLiteral("config/Glimmerview/Glimmerview.ini"))).isFile());
    }

    // The .deb: its contents, a dependency on Qt 6 worked out from the binary, and the program
    // run from the package's files unpacked into a throwaway root.
    void theDebianPackage()
    {
        QTemporaryDir packages;
        const Run pack = run(QStringLiteral(CPACK_COMMAND),
            {QStringLiteral("--config"), QStringLiteral(BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-G"),
                QStringLiteral("DEB"), QStringLiteral("-B"), packages.path()});
        QVERIFY2(pack.status == 0, qPrintable(pack.output));
        const QStringList debs = QDir(packages.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = packages.filePath(debs.constFirst());
        const Run depends = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
        QVERIFY2(depends.output.contains(QStringLiteral("libqt6widgets6")), qPrintable(depends.output));
        QVERIFY2(depends.output.contains(QStringLiteral("libqt6gui6")), qPrintable(depends.output));
        QVERIFY2(depends.output.contains(QStringLiteral("libusb-1.0-0")), qPrintable(depends.output));
        QVERIFY2(depends.output.contains(QStringLiteral("qt6-translations-l10n")), qPrintable(depends.output));
        // The archive's README names every library the binary needs that a desktop may lack.
        QTemporaryDir unpacked;
        QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, unpacked.path()}).status, 0);
        QFile readmeFile(unpacked.filePath(QStringLiteral("usr/share/doc/glimmerview/README")));
        QVERIFY(readmeFile.open(QIODevice::ReadOnly));
        const QByteArray readme = readmeFile.readAll();
        const Run needed = run(QStringLiteral("objdump"),
            {QStringLiteral("-p"), unpacked.filePath(QStringLiteral("usr/bin/Glimmerview"))});
        static const QRegularExpression library(QStringLiteral("NEEDED\\s+lib(?:Qt6(\\w+)|(usb)-1\\.0)\\.so"));
        int libraries = 0;
        for (const QString &line : needed.output.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = library.match(line);
            if (!match.hasMatch())
                continue;
            ++libraries;
            const QString package = match.captured(2).isEmpty()
                ? QStringLiteral("libqt6%1").arg(match.captured(1).toLower())
                : QStringLiteral("libusb-1.0-0");
            QVERIFY2(readme.contains(package.toUtf8()), qPrintable(package));
        }
        QVERIFY(libraries >= 3); // Qt's core, gui and widgets at least
        // libusb is loaded when the programmer is first looked for: no NEEDED line names it.
        QVERIFY(readme.contains("libusb-1.0-0"));
        const Run contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
        for (const QString &path :
            {QStringLiteral("./usr/bin/Glimmerview"), QStringLiteral("./usr/share/man/man1/Glimmerview.1.gz"),
                QStringLiteral("./usr/share/doc/glimmerview/copyright"),
                QStringLiteral("./usr/share/doc/glimmerview/changelog.Debian.gz"),
                QStringLiteral("./usr/share/applications/example.glimmerview.Glimmerview.desktop"),
                QStringLiteral("./usr/share/icons/hicolor/256x256/apps/example.glimmerview.Glimmerview.png"),
                QStringLiteral("./usr/share/example.glimmerview.Glimmerview/examples/text-scroll.bin"),
                QStringLiteral("./usr/lib/udev/rules.d/70-glimmerview-ch341a.rules"),
                QStringLiteral("./usr/bin/glimmerview -> Glimmerview")})
            QVERIFY2(contents.output.contains(path), qPrintable(path));
        // What a distribution would not accept: any error lintian finds.
        const Run lint = run(QStringLiteral("lintian"), {deb});
        QVERIFY2(!lint.output.contains(QRegularExpression(QStringLiteral("^E: "), QRegularExpression::MultilineOption)),
            qPrintable(lint.output));
        QTemporaryDir root;
        QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root.path()}).status, 0);
        const Run version = run(root.filePath(QStringLiteral("usr/bin/Glimmerview")), {QStringLiteral("--version")});
        QCOMPARE(version.output, QStringLiteral("Glimmerview 1.0\n"));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
