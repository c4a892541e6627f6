// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(LedIndicator *)

class TestLedPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LedPanel> m_panel;
    QImage m_glyph;
    LedIndicator *m_first = nullptr;
    LedIndicator *m_second = nullptr;

    QImage faceOf(const LedIndicator *indicator) const { return m_panel->grab().toImage().copy(indicator->geometry()); }
    static QPoint inside(const LedIndicator *indicator) { return indicator->geometry().center(); }
    // Events sent straight to the panel, exactly as the window system would deliver them.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, m_panel->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(m_panel.get(), &event);
    }
    void moveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton) { send(QEvent::MouseMove, at, Qt::NoButton, held); }

private Q_SLOTS:
    void init()
    {
        m_panel = std::make_unique<LedPanel>();
        m_panel->setAutoFillBackground(true);
        m_panel->resize(100, 60);
        m_first = m_panel->addIndicator(QStringLiteral("first"), {8, 8});
        m_second = m_panel->addIndicator(QStringLiteral("second"), {32, 8});
        // A glyph with a single dark dot at its own (0,0), so its shift is easy to see.
        m_glyph = QImage(19, 19, QImage::Format_ARGB32_Premultiplied);
        m_glyph.fill(Qt::transparent);
        m_glyph.setPixel(0, 0, qRgb(0, 0, 0));
        m_first->setGlyph(&m_glyph);
        m_second->setGlyph(&m_glyph);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }
    void cleanup() { m_panel.reset(); }

    void indicatorsKeepNameAndPlace()
    {
        QCOMPARE(m_panel->findChild<LedIndicator *>(QStringLiteral("second")), m_second);
        QCOMPARE(m_second->geometry(), QRect(32, 8, 23, 22));
        QCOMPARE(m_panel->indicatorAt({32, 8}), m_second);
        QCOMPARE(m_panel->indicatorAt({55, 8}), nullptr); // the gap after it
        QCOMPARE(m_panel->indicatorAt({31, 20}), nullptr);
    }

    void looksOfAFlatButton()
    {
        const QImage idle = faceOf(m_first);
        QCOMPARE(idle.pixel(2, 2), qRgb(0, 0, 0)); // glyph at (2,2)
        QCOMPARE(idle.pixel(0, 0), idle.pixel(5, 5)); // no frame

        QTest::mouseMove(m_panel.get(), inside(m_first));
        QTRY_VERIFY(faceOf(m_first).pixel(0, 0) != idle.pixel(0, 0)); // raised frame under the pointer
        const QImage hover = faceOf(m_first);
        QCOMPARE(hover.pixel(2, 2), qRgb(0, 0, 0));

        QTest::mousePress(m_panel.get(), Qt::RightButton, {}, inside(m_first));
        QCOMPARE(faceOf(m_first), hover); // a right press changes nothing
        QTest::mouseRelease(m_panel.get(), Qt::RightButton, {}, inside(m_first));

        QTest::mousePress(m_panel.get(), Qt::LeftButton, {}, inside(m_first));
        const QImage held = faceOf(m_first);
        QCOMPARE(held.pixel(3, 3), qRgb(0, 0, 0)); // glyph moved one pixel
        QVERIFY(held.pixel(2, 2) != qRgb(0, 0, 0));
        QVERIFY(held.pixel(0, 0) != hover.pixel(0, 0)); // sunken: dark edge where the raised one was light
        QTest::mouseRelease(m_panel.get(), Qt::LeftButton, {}, inside(m_first));
        QCOMPARE(faceOf(m_first), hover);

        m_first->setGlyph(nullptr);
        QTest::mouseMove(m_panel.get(), {90, 50});
        QTRY_COMPARE(faceOf(m_first).pixel(2, 2), idle.pixel(5, 5)); // an empty face
    }

    void pressesWithAnyButton()
    {
        QSignalSpy pressed(m_panel.get(), &LedPanel::pressed);
        send(QEvent::MouseButtonPress, inside(m_second), Qt::MiddleButton, Qt::MiddleButton);
        send(QEvent::MouseButtonRelease, inside(m_second), Qt::MiddleButton, Qt::NoButton);
        // A double click arrives as press, release, double click, release: two presses.
        send(QEvent::MouseButtonPress, inside(m_first), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, inside(m_first), Qt::LeftButton, Qt::NoButton);
        send(QEvent::MouseButtonDblClick, inside(m_first), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, inside(m_first), Qt::LeftButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, {31, 20}, Qt::RightButton, Qt::RightButton); // a gap: nothing
        QCOMPARE(pressed.count(), 3);
        QCOMPARE(pressed.at(0).at(0).value<LedIndicator *>(), m_second);
        QCOMPARE(pressed.at(0).at(1).value<Qt::MouseButton>(), Qt::MiddleButton);
        QCOMPARE(pressed.at(1).at(0).value<LedIndicator *>(), m_first);
        QCOMPARE(pressed.at(2).at(0).value<LedIndicator *>(), m_first);
        QCOMPARE(pressed.at(2).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    }

    // Only the left button captures: its movement stays with the indicator pressed.
    void movementBelongsToTheRightIndicator()
    {
        QSignalSpy moved(m_panel.get(), &LedPanel::moved);
        const auto owners = [&moved] {
            QList<LedIndicator *> list;
            for (const QList<QVariant> &call : moved)
                list << call.at(0).value<LedIndicator *>();
            moved.clear();
            return list;
        };
        moveTo(inside(m_first));
        moveTo({31, 20}); // gap
        moveTo(inside(m_second));
        QCOMPARE(owners(), QList<LedIndicator *>({m_first, m_second}));

        // A right press does not capture: the drag belongs to what is under the pointer.
        send(QEvent::MouseButtonPress, inside(m_first), Qt::RightButton, Qt::RightButton);
        moveTo(inside(m_second), Qt::RightButton);
        moveTo({31, 20}, Qt::RightButton);
        QCOMPARE(owners(), QList<LedIndicator *>({m_second}));
        send(QEvent::MouseButtonRelease, inside(m_second), Qt::RightButton, Qt::NoButton);

        send(QEvent::MouseButtonPress, inside(m_first), Qt::LeftButton, Qt::LeftButton);
        moveTo(inside(m_second), Qt::LeftButton);
        moveTo({31, 20}, Qt::LeftButton);
        moveTo({90, 50}, Qt::LeftButton);
        QCOMPARE(owners(), QList<LedIndicator *>({m_first, m_first, m_first}));
        send(QEvent::MouseButtonRelease, {90, 50}, Qt::LeftButton, Qt::NoButton);

        send(QEvent::MouseButtonPress, {31, 20}, Qt::LeftButton, Qt::LeftButton); // pressed between indicators
        moveTo(inside(m_second), Qt::LeftButton);
        QCOMPARE(owners(), QList<LedIndicator *>());
        send(QEvent::MouseButtonRelease, inside(m_second), Qt::LeftButton, Qt::NoButton);
        moveTo(inside(m_second));
        QCOMPARE(owners(), QList<LedIndicator *>({m_second}));
    }

    void batchedChangesRepaintOnce()
    {
        QImage other(19, 19, QImage::Format_ARGB32_Premultiplied);
        other.fill(qRgb(255, 0, 0));
        m_panel->beginUpdate();
        m_first->setGlyph(&other);
        m_second->setGlyph(&other);
        m_panel->endUpdate();
        QTRY_COMPARE(faceOf(m_second).pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(faceOf(m_first).pixel(10, 10), qRgb(255, 0, 0));
    }
};

QTEST_MAIN(TestLedPanel)
#include "tst_ledpanel.moc"
