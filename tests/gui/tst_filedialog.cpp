// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ImageFileDialog.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFileDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The file names the dialog lists in its folder under the filter now chosen.
    static QStringList listed(ImageFileDialog &dialog, const QString &folder)
    {
        auto *model = qobject_cast<QFileSystemModel *>(dialog.proxyModel()->sourceModel());
        const QModelIndex root = model->index(folder);
        QStringList names;
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex index = model->index(row, 0, root);
            if (!model->isDir(index))
                names << model->fileName(index);
        }
        names.sort();
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *name : {"a.bin", "b.BIN", "c.bin8", "d.Bin8", "e.bin16", "f.rom", "noextension"}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void labelsAreShownExactly()
    {
        ImageFileDialog dialog(nullptr, m_dir.path() + QStringLiteral("//"), QStringLiteral("*.bin"));
        QCOMPARE(dialog.nameFilters(),
            QStringList({QStringLiteral("binary(*.bin)"), QStringLiteral("binary8bit(*.bin8))"),
                QStringLiteral("binary16bit(*.bin16))"), QStringLiteral("ALL(*.*)")}));
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(combo);
        QCOMPARE(combo->itemText(1), QStringLiteral("binary8bit(*.bin8))"));
        QCOMPARE(dialog.defaultSuffix(), QStringLiteral("bin"));
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(m_dir.path()).canonicalPath());
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    }

    void eachFilterListsTheFilesItNames_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("binary") << 0 << QStringList {"a.bin", "b.BIN"};
        QTest::newRow("binary8bit") << 1 << QStringList {"c.bin8", "d.Bin8"};
        QTest::newRow("binary16bit") << 2 << QStringList {"e.bin16"};
        QTest::newRow("ALL") << 3
                             << QStringList {"a.bin", "b.BIN", "c.bin8", "d.Bin8", "e.bin16", "f.rom", "noextension"};
    }
    void eachFilterListsTheFilesItNames()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, files);
        ImageFileDialog dialog(nullptr, m_dir.path(), QStringLiteral("*.bin"));
        dialog.show();
        // Chosen the way the user chooses it: with the keys on the filter box.
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(combo);
        for (int step = 0; step < filter; ++step)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), filter);
        QTRY_COMPARE(listed(dialog, m_dir.path()), files);
    }

    void aTypedNameIsOpenedAsItStands_data()
    {
        QTest::addColumn<QFileDialog::AcceptMode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        QTest::newRow("exists without an extension") << QFileDialog::AcceptOpen << "noextension"
                                                     << "noextension";
        QTest::newRow("missing: the default extension") << QFileDialog::AcceptOpen << "a"
                                                        << "a.bin";
        QTest::newRow("another extension") << QFileDialog::AcceptOpen << "f.rom"
                                           << "f.rom";
        // The suggested file is selected in the list; the name typed over it is what is saved.
        QTest::newRow("save: typed over the selected file") << QFileDialog::AcceptSave << "fresh"
                                                            << "fresh.bin";
    }
    void aTypedNameIsOpenedAsItStands()
    {
        QFETCH(QFileDialog::AcceptMode, mode);
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        ImageFileDialog dialog(nullptr, m_dir.path(), QStringLiteral("*.bin"));
        if (mode == QFileDialog::AcceptSave) {
            dialog.setAcceptMode(mode);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.selectFile(m_dir.filePath(QStringLiteral("a.bin")));
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The listing comes from a thread: typed after it has arrived, the selection is there.
        QTRY_VERIFY(listed(dialog, m_dir.path()).contains(QStringLiteral("a.bin")));
        // Typed as the user types, into the name field, which has the focus.
        QWidget *nameField = dialog.focusWidget();
        QVERIFY(qobject_cast<QLineEdit *>(nameField));
        QTest::keyClick(nameField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(nameField, typed);
        // A "not found" warning or a "replace?" question would wait for an answer: it is
        // closed and counted, and the dialog stays open.
        int questions = 0;
        QTimer::singleShot(0, &dialog, [&dialog, &questions] {
            if (QWidget *box = QApplication::activeModalWidget(); box && box != &dialog) {
                ++questions;
                box->close();
            }
        });
        QMetaObject::invokeMethod(&dialog, "accept"); // as the Open button does
        QCOMPARE(questions, 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedFiles(), QStringList {m_dir.filePath(opened)});
    }

    // Save As for images: the same dialog and filters, the default extension for a new name.
    void saveAsUsesTheSameDialog()
    {
        bool asExpected = false;
        // Answered once the dialog waits in its own loop, and never from inside a nested one:
        // the accept is queued, so a question it raised would meet the modal guard, not a hang.
        QTimer::singleShot(0, this, [this, &asExpected] {
            auto *dialog = qobject_cast<ImageFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asExpected = dialog->acceptMode() == QFileDialog::AcceptSave
                && dialog->nameFilters() == ImageFileDialog::filterLabels();
            // As a user picks a new name: the list's selection follows the name field.
            dialog->selectFile(m_dir.filePath(QStringLiteral("fresh")));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        const std::optional<QString> path
            = ImageFileDialog::askSavePath(nullptr, QStringLiteral("Save As"), m_dir.filePath(QStringLiteral("a.bin")));
        QVERIFY(asExpected);
        QCOMPARE(path, std::optional<QString>(m_dir.filePath(QStringLiteral("fresh.bin"))));
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
