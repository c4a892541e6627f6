// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "settings/IniFile.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using TestFiles::readAll;
using TestFiles::writeAll;

using Value = std::optional<QByteArray>;

// A tiny tmpfs of the test's own, to be filled up; unmounted at the end.
class SmallDisk
{
public:
    SmallDisk()
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                        {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                            QStringLiteral("size=64k,nr_inodes=64"), QStringLiteral("tmpfs"), m_dir.path()})
            == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    QStringList entriesBeforeTheWrite() const { return m_entries; }

    // Empty files until no inode is left: the folder takes no new file.
    void useUpInodes()
    {
        for (int n = 0;; ++n) {
            const int fd = ::open(
                QFile::encodeName(filePath(QStringLiteral("inode%1").arg(n))).constData(), O_CREAT | O_WRONLY, 0600);
            if (fd < 0)
                break;
            ::close(fd);
        }
        m_entries = entries();
    }
    // Bytes into the last file until no block is left.
    void fill()
    {
        const int fd
            = ::open(QFile::encodeName(filePath(QStringLiteral("inode0"))).constData(), O_CREAT | O_WRONLY, 0600);
        const QByteArray block(512, 'f');
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) { }
        if (fd >= 0)
            ::close(fd);
        m_entries = entries();
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QStringList m_entries;
};
} // namespace

Q_DECLARE_METATYPE(Value)

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<Value>("value");
        const QByteArray plain = "[TForm1]\r\nled_col1=3\r\n";
        QTest::newRow("plain") << plain << QByteArray("led_col1") << Value("3");
        QTest::newRow("key in other case") << plain << QByteArray("LED_COL1") << Value("3");
        QTest::newRow("section in other case")
            << QByteArray("[tform1]\nled_col1=3\n") << QByteArray("led_col1") << Value("3");
        QTest::newRow("missing key") << plain << QByteArray("led_col2") << Value();
        QTest::newRow("empty file") << QByteArray() << QByteArray("led_col1") << Value();
        QTest::newRow("other section only") << QByteArray("[Other]\nled_col1=3\n") << QByteArray("led_col1") << Value();
        QTest::newRow("blanks around key and value")
            << QByteArray("[TForm1]\n \t led_col1 \t=  4 \t\n") << QByteArray("led_col1") << Value("4");
        QTest::newRow("blanks inside kept") << QByteArray("[TForm1]\nk= a b \n") << QByteArray("k") << Value("a b");
        QTest::newRow("empty after equals") << QByteArray("[TForm1]\nk=\n") << QByteArray("k") << Value("");
        QTest::newRow("double quotes removed")
            << QByteArray("[TForm1]\nk=\"a b\"\n") << QByteArray("k") << Value("a b");
        QTest::newRow("single quotes removed") << QByteArray("[TForm1]\nk='x'\n") << QByteArray("k") << Value("x");
        QTest::newRow("one pair only") << QByteArray("[TForm1]\nk=\"\"x\"\"\n") << QByteArray("k") << Value("\"x\"");
        QTest::newRow("mismatched quotes kept") << QByteArray("[TForm1]\nk=\"x'\n") << QByteArray("k") << Value("\"x'");
        QTest::newRow("lone quote kept") << QByteArray("[TForm1]\nk=\"\n") << QByteArray("k") << Value("\"");
        QTest::newRow("comment line") << QByteArray("[TForm1]\n ;k=1\nk=2\n") << QByteArray("k") << Value("2");
        QTest::newRow("first duplicate key wins")
            << QByteArray("[TForm1]\nk=1\nK=2\n") << QByteArray("k") << Value("1");
        QTest::newRow("only first duplicate section")
            << QByteArray("[TForm1]\na=1\n[TForm1]\nk=2\n") << QByteArray("k") << Value();
        QTest::newRow("line without equals is no key")
            << QByteArray("[TForm1]\nk\nk=5\n") << QByteArray("k") << Value("5");
        QTest::newRow("CR line ends") << QByteArray("[TForm1]\rk=6\rj=7") << QByteArray("j") << Value("7");
        QTest::newRow("mixed line ends") << QByteArray("[TForm1]\r\na=1\rk=8\n") << QByteArray("k") << Value("8");
        QTest::newRow("key before any section") << QByteArray("k=1\n[TForm1]\n") << QByteArray("k") << Value();
        QTest::newRow("equals in value") << QByteArray("[TForm1]\nk=a=b\n") << QByteArray("k") << Value("a=b");
        QTest::newRow("cut at 2047") << QByteArray("[TForm1]\nk=" + QByteArray(3000, 'x') + "\n") << QByteArray("k")
                                     << Value(QByteArray(2047, 'x'));
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, key);
        QFETCH(Value, value);
        QCOMPARE(IniDocument(file).value("TForm1", key), value);
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("k") << QByteArray("[TForm1]\r\nk=V\r\n");
        QTest::newRow("replace keeps its line ending and the key's spelling")
            << QByteArray("; top\n[TFORM1]\n  Led_Col1 = 3 \nz=1\n") << QByteArray("led_col1")
            << QByteArray("; top\n[TFORM1]\nLed_Col1=V\nz=1\n");
        QTest::newRow("replace on a last line without a break")
            << QByteArray("[TForm1]\nk=1") << QByteArray("k") << QByteArray("[TForm1]\nk=V");
        QTest::newRow("new key after the last key line")
            << QByteArray("[TForm1]\na=1\n; note\n\n[Other]\nb=2\n") << QByteArray("k")
            << QByteArray("[TForm1]\na=1\nk=V\r\n; note\n\n[Other]\nb=2\n");
        QTest::newRow("new key in an empty section")
            << QByteArray("[TForm1]\n[Other]\n") << QByteArray("k") << QByteArray("[TForm1]\nk=V\r\n[Other]\n");
        QTest::newRow("new key at the end without a break")
            << QByteArray("[TForm1]\na=1") << QByteArray("k") << QByteArray("[TForm1]\na=1\r\nk=V\r\n");
        QTest::newRow("missing section appended")
            << QByteArray("[Other]\nb=2\n") << QByteArray("k") << QByteArray("[Other]\nb=2\n[TForm1]\r\nk=V\r\n");
        QTest::newRow("missing section, no final break")
            << QByteArray("[Other]\rb=2") << QByteArray("k") << QByteArray("[Other]\rb=2\r\n[TForm1]\r\nk=V\r\n");
        QTest::newRow("foreign bytes untouched")
            << QByteArray("; caf\xe9\n[TForm1]\nk=1\nname=\xff\xfe\n") << QByteArray("k")
            << QByteArray("; caf\xe9\n[TForm1]\nk=V\nname=\xff\xfe\n");
        QTest::newRow("first of duplicate keys replaced")
            << QByteArray("[TForm1]\nk=1\nk=2\n") << QByteArray("K") << QByteArray("[TForm1]\nk=V\nk=2\n");
    }
    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, after);
        IniDocument document(before);
        document.setValue("TForm1", key, "V");
        QCOMPARE(document.bytes(), after);
        QCOMPARE(document.value("TForm1", key), Value("V"));
    }

    void unchangedDocumentKeepsEveryByte()
    {
        const QByteArray bytes("\xef\xbb\xbf; x\r\n\r[A]\n\n  b = 1 \r\n;c\n[TForm1]\rk=\"q\"");
        QCOMPARE(IniDocument(bytes).bytes(), bytes);
    }

    void byteOrderMarks_data()
    {
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<int>("encoding"); // 8 or 16, and for 16: 1 little-endian, 2 big-endian
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF") << 8;
        QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFE") << 1;
        QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF") << 2;
    }
    void byteOrderMarks()
    {
        QFETCH(QByteArray, mark);
        QFETCH(int, encoding);
        const auto inFile = [&](const QString &text) {
            if (encoding == 8)
                return mark + text.toUtf8();
            QStringEncoder encoder(encoding == 1 ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
            return mark + QByteArray(encoder(text));
        };
        IniDocument document(inFile(QStringLiteral("[TForm1]\r\nk=caf\u00e9\r\n")));
        QCOMPARE(document.value("TForm1", "k"), Value("caf\xc3\xa9"));
        document.setValue("TForm1", "k", "1");
        document.setValue("TForm1", "n", "2");
        // The section is found, not appended again, and the file keeps its encoding and mark.
        QCOMPARE(document.bytes(), inFile(QStringLiteral("[TForm1]\r\nk=1\r\nn=2\r\n")));
    }

    void brokenUtf16StaysBytes()
    {
        const QByteArray odd("\xFF\xFE[\0T\0]", 7); // an odd byte out: no UTF-16 text
        QCOMPARE(IniDocument(odd).bytes(), odd);
    }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "15" << 15;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("hex") << "0x1F" << 31;
        QTest::newRow("hex upper X") << "0X10" << 16;
        QTest::newRow("hex full pattern") << "0xFFFFFFFF" << -1;
        QTest::newRow("0x alone") << "0x" << 99;
        QTest::newRow("word") << "abc" << 99;
        QTest::newRow("empty") << "" << 99;
        QTest::newRow("blank inside") << "1 2" << 99;
        QTest::newRow("past 32 bits") << "2147483648" << 99;
        QTest::newRow("lowest") << "-2147483648" << INT_MIN;
    }
    void integers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(IniFile::parseInteger(text).value_or(99), value);
    }

    void fileReadAndWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Glimmerview.ini"));
        IniFile ini(path);
        QCOMPARE(ini.readString(QStringLiteral("TForm1"), QStringLiteral("k"), QStringLiteral("dflt")),
            QStringLiteral("dflt"));
        QCOMPARE(ini.readInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 42), 42);
        ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("k"), -5);
        QCOMPARE(readAll(path), QByteArray("[TForm1]\r\nk=-5\r\n"));
        QCOMPARE(ini.readInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 42), -5);
    }

    void quotedTextSurvivesAWriteAndARead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("double quoted") << "\"C:\\a b\\\"" << QByteArray("k=\"\"C:\\a b\\\"\"");
        QTest::newRow("single quoted") << "'x'" << QByteArray("k=\"'x'\"");
        QTest::newRow("plain") << "/a/b" << QByteArray("k=/a/b");
        QTest::newRow("quote at one end only") << "\"x" << QByteArray("k=\"x");
        QTest::newRow("non-ASCII folder")
            << QString::fromUtf8("/tmp/Gl\u00e4nz \u5149") << QByteArray("k=/tmp/Gl\xc3\xa4nz \xe5\x85\x89");
    }
    void quotedTextSurvivesAWriteAndARead()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("x.ini")));
        ini.writeString(QStringLiteral("TForm1"), QStringLiteral("k"), text);
        QVERIFY(readAll(ini.path()).contains(line + "\r\n"));
        QCOMPARE(ini.readString(QStringLiteral("TForm1"), QStringLiteral("k"), QString()), text);
    }

    void aPassWritesOnceAtItsEnd()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("x.ini")));
        ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("a"), 1);
        const QByteArray before = readAll(ini.path());
        ini.beginPass();
        ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("a"), 2);
        ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("b"), 3);
        QCOMPARE(ini.readInteger(QStringLiteral("TForm1"), QStringLiteral("b"), 0), 3); // reads see the pass
        QCOMPARE(readAll(ini.path()), before);
        ini.endPass();
        QCOMPARE(readAll(ini.path()), QByteArray("[TForm1]\r\na=2\r\nb=3\r\n"));
    }

    // Passes held between a start's reads take the file from memory only while it is the same
    // file, unchanged: one another program rewrote or replaced is read anew, and so is one a
    // pass wrote.
    void aHeldFileIsReadAnewWhenItChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("rewritten in place") << "rewrite";
        QTest::newRow("replaced by a new file") << "replace";
        QTest::newRow("written by a pass") << "pass";
    }
    void aHeldFileIsReadAnewWhenItChanged()
    {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString path = writeAll(dir.filePath(QStringLiteral("a.ini")), "[S]\r\nk=1\r\n");
        IniFile ini(path);
        ini.holdBetweenPasses(true);
        ini.beginPass();
        QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("1"));
        ini.endPass();
        if (change == QLatin1String("rewrite")) {
            writeAll(path, "[S]\r\nk=2\r\n"); // the same size
        } else if (change == QLatin1String("replace")) {
            writeAll(path + QStringLiteral(".new"), "[S]\r\nk=2\r\n");
            QVERIFY(::rename(QFile::encodeName(path + QStringLiteral(".new")), QFile::encodeName(path)) == 0);
        } else {
            ini.beginPass();
            ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
            ini.endPass();
        }
        ini.beginPass();
        QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("2"));
        ini.abandonPass();
        ini.holdBetweenPasses(false);
        QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("2"));
    }

    void writesGoThroughALinkToItsTarget()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("real.ini"));
        const QString link = dir.filePath(QStringLiteral("Glimmerview.ini"));
        writeAll(target, "[TForm1]\nk=1\n");
        QVERIFY(QFile::link(target, link));
        IniFile ini(link);
        ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 2);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(target), QByteArray("[TForm1]\nk=2\n"));
    }

    void whatIsNoFileIsNeitherReadNorReplaced_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("a folder") << false;
        QTest::newRow("a named pipe: no wait for a writer") << true;
    }
    void whatIsNoFileIsNeitherReadNorReplaced()
    {
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Glimmerview.ini"));
        if (pipe)
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Glimmerview.ini")));
        IniFile ini(path);
        QCOMPARE(ini.readInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 7), 7);
        try {
            ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 1);
            QFAIL("no error raised");
        } catch (const AppError &error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + path);
        }
        const QFileInfo after(path);
        QVERIFY(pipe ? !after.isFile() && !after.isDir() : after.isDir());
    }

    // A full disk: the file keeps every byte it had (comments, other sections), and the write
    // is reported.
    void aFullDiskLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<bool>("folderTakesNewFiles");
        QTest::newRow("replaced through a new file") << true;
        QTest::newRow("rewritten in place") << false;
    }
    void aFullDiskLeavesTheFileAsItWas()
    {
        QFETCH(bool, folderTakesNewFiles);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here (needs root and a mount namespace that allows it)");
        const QString path = disk.filePath(QStringLiteral("Glimmerview.ini"));
        const QByteArray before
            = "; my notes\r\n" + QByteArray(3000, ';') + "\r\n[Other]\r\nkeep=1\r\n[TForm1]\r\nk=1\r\n";
        writeAll(path, before);
        if (!folderTakesNewFiles)
            disk.useUpInodes();
        disk.fill();
        IniFile ini(path);
        // Longer than the page the file has: it needs space the disk no longer has.
        QVERIFY_THROWS_EXCEPTION(
            AppError, ini.writeString(QStringLiteral("TForm1"), QStringLiteral("k"), QString(2000, QLatin1Char('x'))));
        QCOMPARE(readAll(path), before);
        QCOMPARE(disk.entries(), disk.entriesBeforeTheWrite());
    }

    void aFolderThatTakesNoNewFilesIsWrittenInPlace_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("shorter") << QByteArray("2");
        QTest::newRow("longer") << QByteArray(500, 'y');
    }
    void aFolderThatTakesNoNewFilesIsWrittenInPlace()
    {
        QFETCH(QByteArray, value);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here (needs root and a mount namespace that allows it)");
        const QString path = disk.filePath(QStringLiteral("Glimmerview.ini"));
        const QByteArray before = "; note\r\n[TForm1]\r\nk=" + QByteArray(100, 'x') + "\r\nz=9\r\n";
        writeAll(path, before);
        disk.useUpInodes();
        IniFile ini(path);
        ini.writeString(QStringLiteral("TForm1"), QStringLiteral("k"), QString::fromLatin1(value));
        QCOMPARE(readAll(path), "; note\r\n[TForm1]\r\nk=" + value + "\r\nz=9\r\n");
    }

    void aFolderThatTakesNoNewFilesIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/Glimmerview.ini"));
        IniFile ini(path);
        QVERIFY_THROWS_EXCEPTION(AppError, ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 1));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
