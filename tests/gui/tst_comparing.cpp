// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "tests/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>

// Comparing with a reference in the real window: the status line, the marks on the matrix, the
// walk to the next difference, and edits that bring the image level with the reference.
class TestComparing : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QString statusText() const
    {
        const auto *status = form->findChild<QLabel *>(QStringLiteral("comparisonStatus"));
        return status && form->statusBar()->isVisible() ? status->text() : QString();
    }
    QList<int> markedLeds() const
    {
        QList<int> marked;
        for (int n = 1; n <= 256; ++n) {
            if (led(n)->isMarked())
                marked << n;
        }
        return marked;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(createShown());
    }
    void cleanup()
    {
        form->closeWithoutAsking();
        destroy();
    }

    void theMarksFollowTheImageAndTheReference()
    {
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("a.bin")), QByteArray(2048, '\xFF')));
        QByteArray reference(2048, '\xFF');
        reference[4 * 32] = '\xFE'; // page 5, the top-left LED lit
        const QString referencePath = TestFiles::writeAll(folder->filePath(QStringLiteral("b.bin")), reference);
        const QSize designed = form->size();
        form->setImagePathPrompt(
            [&](QWidget *, const QString &, const QString &, const QString &) { return std::optional(referencePath); });

        triggerMenu("compareWithAction");
        QCOMPARE(statusText(), QStringLiteral("1 page differs, 1 LED"));
        QVERIFY(markedLeds().isEmpty()); // page 1 is the same
        triggerMenu("nextDifferenceAction");
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("5"));
        QCOMPARE(markedLeds(), QList<int> {1});
        QCOMPARE(form->ledState(1), LedState::Off); // the LED shows its own state under the mark

        press(1, Qt::LeftButton); // level with the reference
        release(1, Qt::LeftButton);
        QCOMPARE(statusText(), QStringLiteral("Same as b.bin"));
        QVERIFY(markedLeds().isEmpty());
        form->document().history()->undo();
        QCOMPARE(markedLeds(), QList<int> {1});

        triggerMenu("stopComparingAction");
        QVERIFY(markedLeds().isEmpty());
        QCOMPARE(statusText(), QString());
        QCOMPARE(form->size(), designed); // the status line went with the comparison
        QCOMPARE(TestFiles::readAll(referencePath), reference); // never written
    }
};

QTEST_MAIN(TestComparing)
#include "tst_comparing.moc"
