// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "tests/TestFiles.h"

#include <QScreen>
#include <QSlider>
#include <QTest>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
using TestFiles::readAll;
using TestFiles::writeAll;

// The keys of the file's lines, in order.
QStringList keysOf(const QByteArray &bytes)
{
    QStringList keys;
    for (const QByteArray &line : bytes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys << QString::fromUtf8(line.left(equals));
    }
    return keys;
}

QString lineOf(const QByteArray &bytes, const QString &key)
{
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1)).remove(QLatin1Char('\r'));
    }
    return QStringLiteral("<none>");
}
} // namespace

class TestSettings : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QSlider *slider() const { return control<QSlider>("clockSlider"); }
    void closeWindow()
    {
        form->close();
        QVERIFY(!form->isVisible());
    }

private Q_SLOTS:
    void init() { QVERIFY(createShown()); }
    void cleanup() { destroy(); }

    void firstCloseCreatesTheFileInOrder()
    {
        QVERIFY(!QFile::exists(iniPath()));
        closeWindow();
        const QByteArray bytes = readAll(iniPath());
        QStringList expected;
        for (int k = 1; k <= 17; ++k)
            expected << QStringLiteral("led_col%1").arg(k);
        expected << "FormVersion"
                 << "Flags"
                 << "ShowCmd"
                 << "PixelsPerInch"
                 << "MinMaxPos(1024x768)"
                 << "MinMaxPos"
                 << "NormPos(1024x768)"
                 << "NormPos"
                 << "Visible"
                 << "OpenDialog_DefaultExt"
                 << "TrackBar1_Position"
                 << "OpenDialog_InitialDir";
        QCOMPARE(keysOf(bytes), expected);
        QVERIFY(bytes.startsWith("[TForm1]\r\nled_col1=1\r\nled_col2=2\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(lineOf(bytes, "led_col17"), QStringLiteral("1"));
        QCOMPARE(lineOf(bytes, "FormVersion"), QStringLiteral("0"));
        QCOMPARE(lineOf(bytes, "Flags"), QStringLiteral("0"));
        QCOMPARE(lineOf(bytes, "ShowCmd"), QStringLiteral("1"));
        QCOMPARE(lineOf(bytes, "PixelsPerInch"), QStringLiteral("96"));
        QVERIFY(lineOf(bytes, "MinMaxPos").startsWith(QStringLiteral("-1,-1,")));
        const QRect frame = form->frameGeometry();
        QCOMPARE(lineOf(bytes, "NormPos"),
            QStringLiteral("%1,%2,%3,%4")
                .arg(frame.x())
                .arg(frame.y())
                .arg(frame.x() + frame.width())
                .arg(frame.y() + frame.height()));
        QCOMPARE(lineOf(bytes, "Visible"), QStringLiteral("0"));
        QCOMPARE(lineOf(bytes, "OpenDialog_DefaultExt"), QStringLiteral("*.bin"));
        QCOMPARE(lineOf(bytes, "TrackBar1_Position"), QStringLiteral("10"));
        QCOMPARE(lineOf(bytes, "OpenDialog_InitialDir"), folder->path() + QStringLiteral("//"));
    }

    void aRestartGivesBackCornerSliderAndColours()
    {
        form->move(120, 80);
        slider()->setValue(15);
        form->colours().setEntry(3, ColourSettings::Yellow);
        form->colours().setEntry(17, ColourSettings::Crossed);
        closeWindow();
        restart();
        QCOMPARE(form->pos(), QPoint(120, 80));
        QCOMPARE(slider()->value(), 15);
        QCOMPARE(form->previewTimer()->interval(), 166);
        QCOMPARE(form->colours().entry(3), ColourSettings::Yellow);
        QCOMPARE(form->colours().entry(17), ColourSettings::Crossed);
        QCOMPARE(led(3)->glyph(), &form->glyphs().drawable(Glyph::CrossedOff));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->pos(), QPoint(120, 80)); // the second restore on first show agrees
    }

    void aStoredPositionOfTenKeepsTheDesignInterval()
    {
        closeWindow();
        restart();
        QCOMPARE(slider()->value(), 10);
        QCOMPARE(form->previewTimer()->interval(), 100);
    }

    void handEditedValues()
    {
        closeWindow();
        QByteArray bytes = readAll(iniPath());
        bytes.replace("led_col2=2", "led_col2=-1")
            .replace("led_col3=3", "led_col3=  6 ")
            .replace("led_col4=4", "led_col4=abc");
        bytes.replace("led_col5=1", "led_col5=").replace("led_col6=2", "led_col6=99999999999");
        bytes.replace("led_col7=3", "led_col7=257").replace("TrackBar1_Position=10", "TrackBar1_Position=25");
        writeAll(iniPath(), bytes);
        restart(); // no error box, and a whole window
        QCOMPARE(form->colours().entry(2), 255);
        QCOMPARE(form->colours().entry(3), 6);
        QCOMPARE(form->colours().entry(4), 4); // a word keeps the default
        QCOMPARE(form->colours().entry(5), 1); // nothing after "=" too
        QCOMPARE(form->colours().entry(6), 2); // out of range too
        QCOMPARE(form->colours().entry(7), 1); // low 8 bits of 257
        QCOMPARE(led(2)->glyph(), &form->glyphs().drawable(Glyph::RedRing)); // the fallback
        QCOMPARE(slider()->value(), 20);
        QCOMPARE(form->previewTimer()->interval(), 1000);
        form->show();
        closeWindow();
        const QByteArray after = readAll(iniPath());
        QCOMPARE(lineOf(after, "led_col2"), QStringLiteral("255"));
        QCOMPARE(lineOf(after, "led_col3"), QStringLiteral("6"));
        QCOMPARE(lineOf(after, "led_col4"), QStringLiteral("4"));
        QCOMPARE(lineOf(after, "TrackBar1_Position"), QStringLiteral("20"));
    }

    void aPositionThatIsNoNumberStartsAtOne()
    {
        closeWindow();
        writeAll(iniPath(), readAll(iniPath()).replace("TrackBar1_Position=10", "TrackBar1_Position=fast"));
        restart();
        QCOMPARE(slider()->value(), 1);
    }

    void aNegativeFormVersionSkipsAllButTheColours()
    {
        form->move(60, 40);
        slider()->setValue(5);
        form->colours().setEntry(1, ColourSettings::Green);
        closeWindow();
        QByteArray bytes = readAll(iniPath());
        bytes.replace("FormVersion=0", "FormVersion=-1")
            .replace("OpenDialog_DefaultExt=*.bin", "OpenDialog_DefaultExt=*.bin8");
        writeAll(iniPath(), bytes);
        restart();
        QVERIFY(form->pos() != QPoint(60, 40));
        QCOMPARE(slider()->value(), 10);
        QCOMPARE(form->openDialogDefaultExt(), QStringLiteral("*.bin"));
        QCOMPARE(form->colours().entry(1), ColourSettings::Green);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        closeWindow();
        QCOMPARE(lineOf(readAll(iniPath()), "FormVersion"), QStringLiteral("0"));
    }

    void aQuotedFolderKeepsItsQuotes()
    {
        closeWindow();
        const QString quoted = QStringLiteral("\"/tmp/my images/\"");
        QByteArray bytes = readAll(iniPath());
        const QByteArray folderLine = "OpenDialog_InitialDir=" + (folder->path() + "//").toUtf8();
        bytes.replace(folderLine, "OpenDialog_InitialDir=\"" + quoted.toUtf8() + "\"");
        writeAll(iniPath(), bytes);
        restart();
        QCOMPARE(form->openDialogInitialDir(), quoted);
        form->show();
        closeWindow();
        QVERIFY(readAll(iniPath()).contains("OpenDialog_InitialDir=\"" + quoted.toUtf8() + "\"\r\n"));
        restart();
        QCOMPARE(form->openDialogInitialDir(), quoted);
    }

    void aNonAsciiFolderSurvives()
    {
        form->setOpenDialogInitialDir(QString::fromUtf8("/srv/Effekte f\u00fcr \u5149/"));
        closeWindow();
        restart();
        QCOMPARE(form->openDialogInitialDir(), QString::fromUtf8("/srv/Effekte f\u00fcr \u5149/"));
    }

    void eachScreenResolutionHasItsOwnPosition()
    {
        form->move(100, 50);
        closeWindow();
        environment->screen = QSize(1920, 1080);
        restart();
        form->show();
        form->move(300, 200);
        closeWindow();
        const QByteArray bytes = readAll(iniPath());
        QCOMPARE(lineOf(bytes, "NormPos(1024x768)").section(QLatin1Char(','), 0, 1), QStringLiteral("100,50"));
        QCOMPARE(lineOf(bytes, "NormPos(1920x1080)").section(QLatin1Char(','), 0, 1), QStringLiteral("300,200"));
        QCOMPARE(lineOf(bytes, "NormPos").section(QLatin1Char(','), 0, 1), QStringLiteral("300,200"));
        // The new pair goes at the end of the section.
        QCOMPARE(
            keysOf(bytes).mid(keysOf(bytes).size() - 2), QStringList({"MinMaxPos(1920x1080)", "NormPos(1920x1080)"}));
        environment->screen = QSize(1024, 768);
        restart();
        QCOMPARE(form->pos(), QPoint(100, 50));
    }

    void anotherResolutionOfTheScreenSkipsThePositionOnly()
    {
        form->move(70, 30);
        slider()->setValue(3);
        closeWindow();
        environment->dpi = 144;
        restart();
        QVERIFY(form->pos() != QPoint(70, 30));
        QCOMPARE(slider()->value(), 3);
    }

    void unknownLinesAndCommentsStay()
    {
        closeWindow();
        writeAll(iniPath(), "; written by hand\r\n[Other]\r\nx=1\r\n\r\n[TForm1]\r\nUnknown=keep me\r\nled_col1=2\r\n");
        restart();
        QCOMPARE(form->colours().entry(1), ColourSettings::Green);
        form->show();
        closeWindow();
        const QByteArray bytes = readAll(iniPath());
        QVERIFY(bytes.startsWith(
            "; written by hand\r\n[Other]\r\nx=1\r\n\r\n[TForm1]\r\nUnknown=keep me\r\nled_col1=2\r\n"));
    }

    void aFileThatCannotBeWrittenGivesOneBoxAndTheWindowCloses()
    {
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Glimmerview.ini")));
        BoxSeen seen;
        seen.answerNext();
        form->close();
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("Unable to write to %1/Glimmerview.ini.").arg(folder->path()));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY(!form->isVisible());
        seen.answerNext();
        form.reset(); // nothing more is tried when the window goes
        QCoreApplication::processEvents();
        QCOMPARE(seen.count, 1);
        QVERIFY(QFileInfo(iniPath()).isDir());
    }

    // A close replaces the file once: a kill between two replacements could leave either.
    void aCloseWritesTheFileOnce()
    {
        closeWindow();
        restart();
        form->show();
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        QVERIFY(::inotify_add_watch(watch, QFile::encodeName(folder->path()).constData(), IN_MOVED_TO | IN_CLOSE_WRITE)
            >= 0);
        closeWindow();
        int replacements = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if ((event->mask & IN_MOVED_TO) && QByteArray(event->name) == "Glimmerview.ini")
                    ++replacements;
                at += sizeof(inotify_event) + event->len;
            }
        }
        ::close(watch);
        QCOMPARE(replacements, 1);
    }

    // Two copies of the program on one settings file: the one closed last keeps what the first
    // changed, where it changed nothing itself.
    void aSecondInstanceKeepsTheFirstOnesChanges()
    {
        closeWindow();
        restart();
        form->show();
        MainWindow second(environment);
        second.show();
        slider()->setValue(4);
        form->colours().setEntry(2, ColourSettings::Yellow);
        closeWindow();
        second.findChild<QSlider *>(QStringLiteral("clockSlider"))->setValue(12); // its own change lands
        second.close();
        const QByteArray bytes = readAll(iniPath());
        QCOMPARE(lineOf(bytes, "TrackBar1_Position"), QStringLiteral("12"));
        QCOMPARE(lineOf(bytes, "led_col2"), QStringLiteral("4"));
    }

    void aValueThatIsNoUtf8ComesBackByteForByte()
    {
        closeWindow();
        QByteArray bytes = readAll(iniPath());
        const QByteArray latin1Folder = "/srv/d\xe9j\xe0/";
        bytes.replace(QByteArray("OpenDialog_InitialDir=") + QFile::encodeName(form->openDialogInitialDir()),
            "OpenDialog_InitialDir=" + latin1Folder);
        writeAll(iniPath(), bytes);
        restart();
        form->show();
        closeWindow();
        QVERIFY(readAll(iniPath()).contains("\r\nOpenDialog_InitialDir=" + latin1Folder + "\r\n"));
    }

    // A position stored on a larger screen: the window comes back where it can be reached.
    void aPositionOffEveryScreenIsBroughtBack()
    {
        closeWindow();
        QByteArray bytes = readAll(iniPath());
        bytes.replace(QByteArray("NormPos=") + lineOf(bytes, "NormPos").toUtf8(), "NormPos=5000,4000,5575,4580");
        bytes.replace(QByteArray("NormPos(1024x768)=") + lineOf(bytes, "NormPos(1024x768)").toUtf8(),
            "NormPos(1024x768)=5000,4000,5575,4580");
        writeAll(iniPath(), bytes);
        restart();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect screen = form->screen()->availableGeometry();
        QVERIFY2(screen.contains(form->frameGeometry()), "the whole window fits, so all of it shows");
    }

    // An installed copy, in a folder the user may not write: the settings go to the user's
    // configuration folder, made at the first close, and the file dialog starts at home.
    void anInstalledCopyKeepsItsSettingsInTheUsersFolder()
    {
        environment->folderTakesNewFiles = false;
        form.reset(); // saves beside the executable: a portable copy until then
        QVERIFY(QFile::remove(iniPath()));
        restart();
        const QString userFile = environment->config + QStringLiteral("/Glimmerview/Glimmerview.ini");
        QCOMPARE(form->settingsPath(), userFile);
        QCOMPARE(form->openDialogInitialDir(), environment->home);
        form->show();
        slider()->setValue(6);
        closeWindow();
        QVERIFY(!QFile::exists(iniPath()));
        QCOMPARE(lineOf(readAll(userFile), "TrackBar1_Position"), QStringLiteral("6"));
        restart();
        QCOMPARE(slider()->value(), 6);
    }

    void aPortableCopyKeepsItsFileEvenWhereItCannotMakeNewOnes()
    {
        closeWindow(); // the file beside the executable exists now
        environment->folderTakesNewFiles = false;
        restart();
        QCOMPARE(QDir::cleanPath(form->settingsPath()), iniPath());
        QCOMPARE(form->openDialogInitialDir(), form->executableDir());
    }

    void destroyedWithoutACloseSavesOnceMore()
    {
        form.reset();
        const QByteArray bytes = readAll(iniPath());
        QCOMPARE(lineOf(bytes, "Visible"), QStringLiteral("1"));
        QCOMPARE(lineOf(bytes, "led_col1"), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
