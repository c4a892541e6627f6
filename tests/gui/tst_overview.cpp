// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "overview/PagesView.h"
#include "tests/TestFiles.h"

#include <QAccessible>
#include <QDockWidget>
#include <QLineEdit>

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

    void anEditShowsAtOnce()
    {
        const QRgb before = pictureColour(1, 0);
        press(1, Qt::LeftButton);
        release(1, Qt::LeftButton);
        const QRgb lit = pictureColour(1, 0);
        QVERIFY(qRed(lit) > qRed(before)); // column 16 is red: lit is bright
        QCOMPARE(pictureColour(1, 1), pictureColour(2, 1)); // the rest as it was
        triggerMenu("undoAction");
        QCOMPARE(pictureColour(1, 0), before);
    }

    // A screen reader hears each page by its number, described by its lit LEDs.
    void eachPageIsAnItemForScreenReaders()
    {
        form->image().setSlotEntry(7, 0, EffectImage::On);
        form->image().setSlotEntry(7, 255, EffectImage::On);
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
