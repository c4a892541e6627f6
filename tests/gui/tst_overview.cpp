// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"
#include "overview/PagesView.h"
#include "overview/TimeStrip.h"
#include "tests/TestFiles.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QScrollBar>

// The overview of all pages beside the designed window: View > Overview brings it, a click on a
// page's picture shows that page, and every edit shows in its picture at once.
class TestOverview : public QObject, private FormFixture
{
    Q_OBJECT

private:
    PagesView *pages() const { return control<PagesView>("pagesView"); }
    // The colour the overview shows for LED `index` (0..255) of `page`.
    QRgb pictureColour(int page, int index) const
    {
        const QImage shot = pages()->grab().toImage();
        const QPoint picture = pages()->pictureRect(page).topLeft();
        const QPoint logical = picture + QPoint(index % 16, index / 16) * PagesView::LedPitch;
        return shot.pixel(logical * shot.devicePixelRatio()); // drawn for the screen: device pixels
    }

    TimeStrip *strip() const { return control<TimeStrip>("timeStrip"); }
    // The colour the time strip shows for the LED of `column` (0..15) in row `index` (0..1023).
    QRgb stripColour(int index, int column) const
    {
        strip()->horizontalScrollBar()->setValue(strip()->axis().left(index) - 20);
        const QImage shot = strip()->viewport()->grab().toImage();
        return shot.pixel(strip()->ledRect(index, column).center() * shot.devicePixelRatio());
    }
    // Whether the row carries the red mark of a difference below its LEDs.
    bool rowMarkedAsDiffering(int index) const
    {
        strip()->horizontalScrollBar()->setValue(strip()->axis().left(index) - 20);
        const QImage shot = strip()->viewport()->grab().toImage();
        const QRect led = strip()->ledRect(index, 15);
        const QPoint band(led.center().x(), led.bottom() + 2 + TimeStrip::DifferenceBandHeight / 2);
        return shot.pixel(band * shot.devicePixelRatio()) == QColor(Qt::red).rgb();
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(createShown());
        QVERIFY(!control<QDockWidget>("overviewDock")->isVisible());
        triggerMenu("overviewAction");
        QVERIFY(control<QDockWidget>("overviewDock")->isVisible());
        QCOMPARE(form->centralWidget()->size(), QSize(567, 528)); // the designed area as it was
    }
    void cleanup()
    {
        form->closeWithoutAsking();
        destroy();
    }

    void aClickOnAPageShowsIt_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("first") << 1;
        QTest::newRow("second row") << 10;
        QTest::newRow("last") << 64;
    }
    void aClickOnAPageShowsIt()
    {
        QFETCH(int, page);
        QTest::mouseClick(pages(), Qt::LeftButton, {}, pages()->pageRect(page).center());
        QCOMPARE(form->image().currentPage(), page);
        QCOMPARE(control<QLineEdit>("position")->text(), QString::number(page));
        QCOMPARE(pages()->pageAt(pages()->pageRect(page).center()), page);
    }

    // Pages chosen in the overview, rows in the time strip: the tools act on them, both views
    // shade them, and the dock's title says which.
    void rangesAreChosenInEitherView_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Shift+click from the shown page") << "shift 3 6"
                                                         << "pages 3\u20136";
        QTest::newRow("Ctrl+click adds pages") << "ctrl 2 ctrl 9"
                                               << "pages 2, 9";
        QTest::newRow("Ctrl+click again takes one out") << "ctrl 2 ctrl 9 ctrl 2"
                                                        << "pages 9";
        QTest::newRow("a plain click lets them go") << "shift 3 6 click 5"
                                                    << "";
        QTest::newRow("Shift+arrows") << "keys 2"
                                      << "pages 1\u20133";
        QTest::newRow("a drag in the time strip") << "drag 14 33"
                                                  << "rows 15\u201334";
    }
    void rangesAreChosenInEitherView()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, chosen);
        const QStringList words = gesture.split(QLatin1Char(' '));
        for (qsizetype i = 0; i < words.size();) {
            const QString word = words.at(i++);
            if (word == QLatin1String("shift")) {
                QTest::mouseClick(pages(), Qt::LeftButton, {}, pages()->pageRect(words.at(i++).toInt()).center());
                QTest::mouseClick(
                    pages(), Qt::LeftButton, Qt::ShiftModifier, pages()->pageRect(words.at(i++).toInt()).center());
            } else if (word == QLatin1String("ctrl") || word == QLatin1String("click")) {
                QTest::mouseClick(pages(), Qt::LeftButton,
                    word == QLatin1String("ctrl") ? Qt::ControlModifier : Qt::NoModifier,
                    pages()->pageRect(words.at(i++).toInt()).center());
            } else if (word == QLatin1String("keys")) {
                pages()->setFocus();
                for (int n = words.at(i++).toInt(); n > 0; --n)
                    QTest::keyClick(pages(), Qt::Key_Right, Qt::ShiftModifier);
            } else { // a drag from one row to another
                const int from = words.at(i++).toInt(), to = words.at(i++).toInt();
                strip()->horizontalScrollBar()->setValue(0);
                QWidget *viewport = strip()->viewport();
                QTest::mousePress(viewport, Qt::LeftButton, {}, strip()->ledRect(from, 4).center());
                QMouseEvent move(QEvent::MouseMove, strip()->ledRect(to, 4).center(),
                    viewport->mapToGlobal(strip()->ledRect(to, 4).center()), Qt::NoButton, Qt::LeftButton, {});
                QApplication::sendEvent(viewport, &move);
                QTest::mouseRelease(viewport, Qt::LeftButton, {}, strip()->ledRect(to, 4).center());
            }
        }
        const RowSelection &selection = form->document().selection();
        QCOMPARE(selection.isEmpty() ? QString() : selection.text(), chosen);
        QVERIFY(control<QDockWidget>("overviewDock")
                    ->windowTitle()
                    .endsWith(chosen.isEmpty() ? QStringLiteral("page %1").arg(form->image().currentPage()) : chosen));
    }

    // A click on a row of the time strip shows its page; a running preview goes on from that row.
    void aClickOnAStripRowShowsItsPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("previewing");
        QTest::newRow("first row") << 1 << 0 << false;
        QTest::newRow("inside a later page") << 20 << 9 << false;
        QTest::newRow("last row, previewing") << 64 << 15 << true;
        QTest::newRow("previewing from the middle") << 7 << 4 << true;
    }
    void aClickOnAStripRowShowsItsPage()
    {
        QFETCH(int, page);
        QFETCH(int, row);
        QFETCH(bool, previewing);
        if (previewing)
            control<QCheckBox>("singlePageBox")->click();
        const int index = TimeAxis::rowIndex(page, row);
        strip()->horizontalScrollBar()->setValue(strip()->axis().left(index) - 20);
        QTest::mouseClick(strip()->viewport(), Qt::LeftButton, {}, strip()->ledRect(index, 3).center());
        QCOMPARE(form->image().currentPage(), page);
        QCOMPARE(control<QLineEdit>("position")->text(), QString::number(page));
        if (!previewing) {
            QCOMPARE(form->previewRow(), 0);
            QCOMPARE(strip()->playingRow(), -1);
            return;
        }
        QCOMPARE(form->previewRow(), row);
        QCOMPARE(strip()->playingRow(), index);
        tickPreview();
        QCOMPARE(form->previewRow(), (row + 1) % 16);
        QCOMPARE(strip()->playingRow(), TimeAxis::rowIndex(page, (row + 1) % 16));
        control<QCheckBox>("singlePageBox")->click(); // stopped: no row is marked
        QCOMPARE(strip()->playingRow(), -1);
    }

    // The keyboard walks the strip row by row, tells a screen reader where it is, and zooms.
    void theKeyboardWalksAndZoomsTheStrip()
    {
        strip()->setFocus();
        QTest::keyClick(strip(), Qt::Key_PageDown);
        QTest::keyClick(strip(), Qt::Key_Right);
        QTest::keyClick(strip(), Qt::Key_Right);
        QCOMPARE(strip()->keyboardRow(), 18);
        QCOMPARE(strip()->accessibleDescription(), QStringLiteral("Page 2, row 3"));
        QTest::keyClick(strip(), Qt::Key_Return);
        QCOMPARE(form->image().currentPage(), 2);
        const int width = strip()->axis().pixelsPerRow();
        QTest::keyClick(strip(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(strip()->axis().pixelsPerRow(), 2 * width);
        QWheelEvent outward(QPointF(10, 40), strip()->viewport()->mapToGlobal(QPointF(10, 40)), {}, QPoint(0, -120),
            Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(strip()->viewport(), &outward);
        QCOMPARE(strip()->axis().pixelsPerRow(), width);
        QCOMPARE(strip()->horizontalScrollBar()->maximum(),
            strip()->axis().length() - strip()->viewport()->width()); // the whole effect can be reached
    }

    void anEditShowsAtOnce()
    {
        const QRgb before = pictureColour(1, 0);
        press(1, Qt::LeftButton);
        release(1, Qt::LeftButton);
        const QRgb lit = pictureColour(1, 0);
        QVERIFY(qRed(lit) > qRed(before)); // column 16 is red: lit is bright
        QCOMPARE(pictureColour(1, 1), pictureColour(2, 1)); // the rest as it was
        const QRgb stripBefore = stripColour(1, 0);
        QCOMPARE(stripColour(0, 0), lit); // the strip too: row 0 of page 1, its left LED
        triggerMenu("undoAction");
        QCOMPARE(pictureColour(1, 0), before);
        QCOMPARE(stripColour(0, 0), stripBefore);
    }

    // While comparing, the strip marks each row that differs, and an edit back to the reference
    // takes the mark away.
    void theStripMarksTheDifferingRows()
    {
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("a.bin")), QByteArray(2048, '\xFF')));
        QByteArray reference(2048, '\xFF');
        reference[4 * 32 + 2 * 2] = '\xFE'; // page 5, row 2, the left LED lit
        const QString referencePath = TestFiles::writeAll(folder->filePath(QStringLiteral("b.bin")), reference);
        form->setImagePathPrompt(
            [&](QWidget *, const QString &, const QString &, const QString &) { return std::optional(referencePath); });
        triggerMenu("compareWithAction");
        const int differing = TimeAxis::rowIndex(5, 2);
        QVERIFY(rowMarkedAsDiffering(differing));
        QVERIFY(!rowMarkedAsDiffering(differing - 1));
        QVERIFY(!rowMarkedAsDiffering(differing + 1));
        triggerMenu("nextDifferenceAction");
        press(2 * 16 + 1, Qt::LeftButton);
        release(2 * 16 + 1, Qt::LeftButton);
        QVERIFY(!rowMarkedAsDiffering(differing));
    }

    // The widest captions ("10 ≠256") stay inside their own page's place: no red pixel reaches
    // the captions of pages 9 and 11, which do not differ, nor is page 16's cut at the right.
    void differingCaptionsKeepToTheirPages()
    {
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("a.bin")), QByteArray(2048, '\xFF')));
        QByteArray reference(2048, '\xFF');
        for (const int page : {10, 16})
            reference.replace((page - 1) * 32, 32, QByteArray(32, '\0')); // all 256 LEDs differ
        const QString referencePath = TestFiles::writeAll(folder->filePath(QStringLiteral("b.bin")), reference);
        form->setImagePathPrompt(
            [&](QWidget *, const QString &, const QString &, const QString &) { return std::optional(referencePath); });
        triggerMenu("compareWithAction");
        QCOMPARE(pages()->visibleRegion().boundingRect(), pages()->rect()); // no column cut off
        const QImage shot = pages()->grab().toImage().scaled(pages()->size());
        const QRect band(0, pages()->pictureRect(10).bottom() + 2, shot.width(),
            pages()->pageRect(10).bottom() - pages()->pictureRect(10).bottom() - 2);
        QList<int> redColumns;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qRed(shot.pixel(x, y)) > 160 && qGreen(shot.pixel(x, y)) < 100)
                    redColumns << x;
        QVERIFY(!redColumns.isEmpty());
        for (const int x : redColumns) {
            const int page = pages()->pageAt(QPoint(x, band.top()));
            QVERIFY2(page == 10 || page == 16, qPrintable(QStringLiteral("red at x %1, in page %2").arg(x).arg(page)));
        }
    }

    // A screen reader hears each page by its number, described by its lit LEDs.
    void eachPageIsAnItemForScreenReaders()
    {
        form->document().setLed(7, 0, EffectImage::On);
        form->document().setLed(7, 255, EffectImage::On);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(pages());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 64);
        QAccessibleInterface *seventh = list->child(6);
        QCOMPARE(seventh->text(QAccessible::Name), QStringLiteral("Page 7"));
        QCOMPARE(seventh->text(QAccessible::Description), QStringLiteral("2 lit LEDs"));
        QCOMPARE(list->indexOfChild(seventh), 6);
        QCOMPARE(seventh->parent(), list);
        QCOMPARE(list->childAt(seventh->rect().center().x(), seventh->rect().center().y()), seventh);
        QVERIFY(list->child(0)->state().selected); // the page shown
        QVERIFY(!seventh->state().selected);
    }

    // Shown or not, the overview comes back as it was left, kept in a section of the program's
    // own after the stored one; a window that never showed it writes nothing of it.
    void whetherItIsShownIsKeptInASectionOfItsOwn()
    {
        form->close();
        QByteArray ini = TestFiles::readAll(iniPath());
        QVERIFY2(ini.endsWith("[Glimmerview]\r\nOverview=1\r\n"), ini.constData());
        QCOMPARE(ini.count("Overview"), 1);
        restart();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(control<QDockWidget>("overviewDock")->isVisible());
        triggerMenu("overviewAction");
        form->close();
        ini = TestFiles::readAll(iniPath());
        QVERIFY2(ini.endsWith("[Glimmerview]\r\nOverview=0\r\n"), ini.constData());
        restart();
        QVERIFY(control<QDockWidget>("overviewDock")->isHidden());
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
