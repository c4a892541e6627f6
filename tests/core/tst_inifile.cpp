// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "settings/IniFile.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
using TestFiles::readAll;
using TestFiles::writeAll;

using Value = std::optional<QByteArray>;
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

    void aFolderInThePlaceIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Glimmerview.ini"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Glimmerview.ini")));
        IniFile ini(path);
        try {
            ini.writeInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 1);
            QFAIL("no error raised");
        } catch (const AppError &error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + path);
        }
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(ini.readInteger(QStringLiteral("TForm1"), QStringLiteral("k"), 7), 7);
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
