// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/LabelStrip.h"
#include "mainwindow/MainWindow.h"
#include "tests/TestFiles.h"
#include "widgets/ErrorBox.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
// The controls as the user meets them: caption, whether the pointer turns into a hand, and
// whether they are seen at all.
struct Expected
{
    const char *name;
    const char *caption;
    bool hand;
    bool seen = true;
};
const Expected Layout[] = {
    {"matrixGroup", "Matrix", false},
    {"topColumnLabels", "", false},
    {"bottomColumnLabels", "", false},
    {"leftRowLabels", "", false},
    {"rightRowLabels", "", false},
    {"previewGroup", "Preview", false},
    {"positionGroup", "Position", false},
    {"position", "1", true},
    {"goButton", "Ok", false},
    {"nextPageButton", "Up", true},
    {"previousPageButton", "Down", true},
    {"loadButton", "Load file", true},
    {"previewModeGroup", "Preview mode", false},
    {"singlePageBox", "Single page", true},
    {"multiPageBox", "Multi page", true},
    {"previewEnabledBox", "Enable", true, false}, // below what its group shows: the program ticks it
    {"clockGroup", "Clock", false},
    {"clockSlider", "", true},
};

QString captionOf(QWidget *widget)
{
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return {};
}

} // namespace

class TestMainWindow : public QObject, private FormFixture
{
    Q_OBJECT

private:
    std::optional<QString> m_nextPath;
    int m_prompts = 0;
    QString m_promptDir;

    const QImage *ringOf(Glyph glyph) const { return &form->glyphs().drawable(glyph); }
    void load(const std::optional<QString> &path)
    {
        m_nextPath = path;
        clickButton("loadButton");
    }

private Q_SLOTS:
    void init()
    {
        create();
        m_prompts = 0;
        form->setImagePathPrompt([this](QWidget *, const QString &dir, const QString &, const QString &) {
            ++m_prompts;
            m_promptDir = dir;
            return m_nextPath;
        });
    }
    void cleanup() { destroy(); }

    void windowFrame()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Glimmerview FINAL Version"));
        QCOMPARE(form->centralWidget()->size(), QSize(567, 528));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->centralWidget()->y(), form->menuBar()->sizeHint().height());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowSystemMenuHint);
    }

    // The load button reaches one pixel into the "Preview mode" group below it and stands above
    // it: all of its face shows.
    // The keys start in the position box: a stray Space at start edits nothing.
    void theKeysStartInThePositionBox()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), control("position"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!lit(16));
        QVERIFY(!form->document().isModified());
    }

    void theLoadButtonShowsWhole()
    {
        QWidget *button = control("loadButton");
        const QRect r = button->geometry();
        for (const QPoint corner : {QPoint(r.left() + 1, r.top()), QPoint(r.right() - 1, r.top()),
                 QPoint(r.left() + 1, r.bottom()), QPoint(r.right() - 1, r.bottom())})
            QCOMPARE(form->centralWidget()->childAt(corner), button);
    }

    // Every control shows whole inside its group, its caption uncut, and a click at its centre
    // reaches it.
    void controlsShowWholeAndAnswerAtTheirCentre()
    {
        QWidget *client = form->centralWidget();
        for (const Expected &expected : Layout) {
            QWidget *widget = control(expected.name);
            QCOMPARE(captionOf(widget), QString::fromUtf8(expected.caption));
            const bool hand
                = widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == Qt::PointingHandCursor;
            QVERIFY2(hand == expected.hand, expected.name);
            if (!expected.seen) {
                QVERIFY2(!widget->parentWidget()->rect().intersects(widget->geometry()), expected.name);
                continue;
            }
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), expected.name);
            int room = widget->width();
            if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget))
                room -= widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
            QVERIFY2(widget->fontMetrics().horizontalAdvance(captionOf(widget)) < room, expected.name);
            QWidget *hit = client->childAt(widget->mapTo(client, widget->rect().center()));
            QVERIFY2(hit == widget || widget->isAncestorOf(hit), expected.name);
        }
        // The matrix panel fills the content area of its group, below the title.
        QCOMPARE(control("ledMatrix")->geometry(), control("matrixGroup")->contentsRect());
        QVERIFY(control("ledMatrix")->y() > 0);
        QCOMPARE(control<QLineEdit>("position")->maxLength(), 2);
    }

    void clockLabels()
    {
        const QList<QLabel *> labels = control("clockGroup")->findChildren<QLabel *>();
        QMap<QString, QPoint> corners;
        for (QLabel *label : labels)
            corners.insert(label->text(), label->pos());
        QCOMPARE(corners.value(QStringLiteral("20 Hz")), QPoint(45, 20));
        QCOMPARE(corners.value(QStringLiteral("10 Hz")), QPoint(45, 140));
        QCOMPARE(corners.value(QStringLiteral("1 Hz")), QPoint(51, 292));
        auto *slider = control<QSlider>("clockSlider");
        QCOMPARE(slider->orientation(), Qt::Vertical);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 20);
        QCOMPARE(slider->value(), 10);
        QVERIFY(slider->invertedAppearance());
        QVERIFY(slider->invertedControls());
    }

    // The LEDs of each panel are alike and stand on one pitch, in rows and columns that never
    // touch, each named by its row and column as the label strips number them (16 at the left).
    void ledsSitOnTheirPitch()
    {
        QWidget *panel = control("ledMatrix");
        const QRect first = led(1)->geometry();
        const int pitch = led(2)->geometry().x() - first.x();
        QVERIFY(pitch > first.width());
        for (int n = 1; n <= 256; ++n) {
            const int r = (n - 1) / 16, c = (n - 1) % 16;
            auto *button = form->findChild<LedIndicator *>(QStringLiteral("ledRow%1Column%2").arg(r + 1).arg(16 - c));
            QCOMPARE(button, led(n));
            QCOMPARE(button->panel(), panel);
            QCOMPARE(button->geometry(), first.translated(pitch * c, pitch * r));
            QVERIFY(panel->rect().contains(button->geometry()));
        }
        for (int i = 1; i <= 16; ++i) {
            auto *button = form->findChild<LedIndicator *>(QStringLiteral("previewLedColumn%1").arg(17 - i));
            QCOMPARE(button, led(500 + i));
            // Its panel covers the group; the strip keeps the matrix's LEDs and pitch.
            QCOMPARE(button->panel()->parentWidget(), control("previewGroup"));
            QCOMPARE(button->panel()->geometry(), control("previewGroup")->rect());
            QCOMPARE(button->geometry(), led(501)->geometry().translated(pitch * (i - 1), 0));
            QCOMPARE(button->geometry().size(), first.size());
            QVERIFY(button->panel()->rect().contains(button->geometry()));
        }
    }

    void labelStripsLineUpWithTheLeds()
    {
        auto *top = control<LabelStrip>("topColumnLabels");
        auto *bottom = control<LabelStrip>("bottomColumnLabels");
        auto *left = control<LabelStrip>("leftRowLabels");
        auto *right = control<LabelStrip>("rightRowLabels");
        for (int c = 1; c <= 16; ++c) {
            QCOMPARE(top->cell(c, 0), QString::number(17 - c));
            QCOMPARE(bottom->cell(c, 0), QString::number(17 - c));
            QCOMPARE(left->cell(0, c - 1), QString::number(c));
            QCOMPARE(right->cell(0, c - 1), QString::number(c));
            // Column c of the top strip heads LED column c - 1; row r of a side strip heads LED row r.
            const QRect column = top->cellRect(c, 0).translated(top->pos());
            const QRect ledColumn = led(c)->geometry();
            QVERIFY(qAbs(column.center().x() - ledColumn.center().x()) <= 1);
            const QRect row = left->cellRect(0, c - 1).translated(left->pos());
            const QRect ledRow = led(16 * (c - 1) + 1)->geometry();
            QVERIFY(qAbs(row.center().y() - ledRow.center().y()) <= 1);
        }
        QVERIFY(top->findChildren<QWidget *>().isEmpty()); // no headers or scroll bars of Qt's
    }

    // A caption as the menu shows it: the mnemonic's marker is not drawn.
    static QString shown(const QAction *action) { return QString(action->text()).remove(QLatin1Char('&')); }

    void menu()
    {
        auto *load = form->findChild<QAction *>(QStringLiteral("loadAction"));
        auto *exit = form->findChild<QAction *>(QStringLiteral("exitAction"));
        QVERIFY(load && exit);
        QCOMPARE(shown(load), QStringLiteral("Load"));
        QCOMPARE(load->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
        QVERIFY(!load->icon().isNull());
        QCOMPARE(exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        // The View menu of the panels and the Chip menu come after Edit; the designed entries keep
        // their order.
        QList<QAction *> top = form->menuBar()->actions();
        QCOMPARE(top.size(), 6);
        QCOMPARE(shown(top[2]), QStringLiteral("View"));
        QCOMPARE(QKeySequence::mnemonic(top[2]->text()), QKeySequence(Qt::ALT | Qt::Key_V));
        QCOMPARE(shown(top[3]), QStringLiteral("Chip"));
        QCOMPARE(QKeySequence::mnemonic(top[3]->text()), QKeySequence(Qt::ALT | Qt::Key_C));
        top.remove(2, 2);
        QCOMPARE(shown(top[0]), QStringLiteral("File"));
        QCOMPARE(shown(top[1]), QStringLiteral("Edit"));
        QCOMPARE(shown(top[2]), QStringLiteral("Options"));
        QCOMPARE(shown(top[3]), QStringLiteral("About"));
        QCOMPARE(shown(exit), QStringLiteral("Exit"));
        // Alt and an underlined letter reach every command.
        QCOMPARE(QKeySequence::mnemonic(top[0]->text()), QKeySequence(Qt::ALT | Qt::Key_F));
        QCOMPARE(QKeySequence::mnemonic(top[1]->text()), QKeySequence(Qt::ALT | Qt::Key_E));
        QCOMPARE(QKeySequence::mnemonic(top[2]->text()), QKeySequence(Qt::ALT | Qt::Key_O));
        QCOMPARE(QKeySequence::mnemonic(top[3]->text()), QKeySequence(Qt::ALT | Qt::Key_A));
        QCOMPARE(QKeySequence::mnemonic(load->text()), QKeySequence(Qt::ALT | Qt::Key_L));
        QCOMPARE(QKeySequence::mnemonic(exit->text()), QKeySequence(Qt::ALT | Qt::Key_X));
        QVERIFY(!top[2]->menu() && !top[3]->menu()); // they act when clicked
        // New, Load, Save and Save As, then the exports, then comparing, then Exit, each group apart.
        QStringList file;
        for (const QAction *action : top[0]->menu()->actions())
            file << (action->isSeparator() ? QStringLiteral("|") : shown(action));
        QCOMPARE(file,
            QStringList({"New", "New 8-LED Image", "Load", "Save", "Save As\u2026", "|", "Import Picture\u2026",
                "Export as C Array\u2026", "Export as PNG\u2026", "Export as Animated GIF\u2026",
                "Export as GIF of Pages\u2026", "Export as Intel HEX\u2026", "Export as S-Record\u2026", "|",
                "Compare With\u2026", "Stop Comparing", "|", "Exit"}));
        QCOMPARE(top[0]->menu()->actions().at(2), load);
        QCOMPARE(top[0]->menu()->actions().constLast(), exit);
        QStringList edit;
        QList<QKeySequence> keys;
        for (const QAction *action : top[1]->menu()->actions()) {
            if (!action->isSeparator()) {
                edit << shown(action);
                keys << action->shortcuts();
            }
        }
        QCOMPARE(edit,
            QStringList({"Undo", "Redo", "Select All", "Select None", "Copy", "Paste", "Clear", "Fill", "Invert",
                "Shift Toward LED 1", "Shift Away From LED 1", "Rotate Toward LED 1", "Rotate Away From LED 1",
                "Mirror", "Shift a Row Earlier", "Shift a Row Later", "Reverse Rows", "Repeat Rows\u2026",
                "Insert Rows", "Delete Rows", "Generate\u2026", "Next Difference", "Previous Difference"}));
        QCOMPARE(keys,
            QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y"),
                QKeySequence("Ctrl+A"), QKeySequence("Ctrl+Shift+A"), QKeySequence("Ctrl+Shift+C"),
                QKeySequence("Ctrl+Shift+V"), QKeySequence("Ctrl+Alt+Right"), QKeySequence("Ctrl+Alt+Left"),
                QKeySequence("Ctrl+Alt+Shift+Right"), QKeySequence("Ctrl+Alt+Shift+Left"), QKeySequence("Ctrl+Alt+M"),
                QKeySequence("Ctrl+Alt+PgUp"), QKeySequence("Ctrl+Alt+PgDown"), QKeySequence("Ctrl+Alt+R"),
                QKeySequence("Ctrl+Alt+T"), QKeySequence("Ctrl+Alt+Ins"), QKeySequence("Ctrl+Alt+Del"),
                QKeySequence("Ctrl+G"), QKeySequence("F8"), QKeySequence("Shift+F8")}));
    }

    void startUpShowsPageOneAllOff()
    {
        QCOMPARE(form->image().currentPage(), 1);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("1"));
        const Glyph rings[4] = {Glyph::RedRing, Glyph::GreenRing, Glyph::BlueRing, Glyph::YellowRing};
        for (int n = 1; n <= 256; ++n) {
            QCOMPARE(form->ledState(n), LedState::Off);
            QCOMPARE(led(n)->glyph(), ringOf(rings[(n - 1) % 4]));
            QCOMPARE(form->image().page(form->image().currentPage())[n - 1], EffectImage::Off);
        }
        for (int i = 1; i <= 16; ++i) {
            QCOMPARE(form->ledState(500 + i), LedState::Off);
            QCOMPARE(led(500 + i)->glyph(), ringOf(rings[(i - 1) % 4]));
        }
        for (int page = 1; page <= 64; ++page)
            QVERIFY(std::all_of(form->image().page(page).begin(), form->image().page(page).end(),
                [](std::uint8_t s) { return s == EffectImage::Off; }));
        QVERIFY(!form->previewTimer()->isActive());
        QVERIFY(!form->noiseTimer()->isActive());
        QCOMPARE(form->previewTimer()->interval(), 100);
        QVERIFY(form->executableDir().endsWith(QStringLiteral("//")));
        QCOMPARE(form->openDialogInitialDir(), form->executableDir());
    }

    void setLedSkipsWhatIsAlreadyShown()
    {
        form->setLed(1, EffectImage::On, false);
        QCOMPARE(led(1)->glyph(), ringOf(Glyph::RedLit));
        QCOMPARE(form->ledState(1), LedState::On);
        form->colours().setEntry(1, ColourSettings::Blue);
        form->setLed(1, EffectImage::On, false); // same state: untouched, old colour stays
        QCOMPARE(led(1)->glyph(), ringOf(Glyph::RedLit));
        form->setLed(1, EffectImage::On, true);
        QCOMPARE(led(1)->glyph(), ringOf(Glyph::BlueLit));
        form->setLed(17, EffectImage::On, false); // column 1 again, row 1
        QCOMPARE(led(17)->glyph(), ringOf(Glyph::BlueLit));
    }

    void previewLedsUseTheirOwnEntries()
    {
        form->colours().setEntry(1, ColourSettings::Yellow);
        form->colours().setEntry(16, ColourSettings::Green);
        form->setLed(501, EffectImage::On, false);
        form->setLed(516, EffectImage::On, false);
        QCOMPARE(led(501)->glyph(), ringOf(Glyph::YellowLit));
        QCOMPARE(led(516)->glyph(), ringOf(Glyph::GreenLit));
        form->clearPreviewStrip();
        QCOMPARE(form->ledState(501), LedState::Off);
        QCOMPARE(led(501)->glyph(), ringOf(Glyph::YellowRing));
    }

    void redrawAllAppliesNewColoursAndStyles()
    {
        form->document().setLed(form->image().currentPage(), 0, EffectImage::On);
        form->colours().setEntry(ColourSettings::OffStyleEntry, ColourSettings::Blank);
        form->colours().setEntry(1, 0); // a code out of range
        form->refreshMatrix();
        QCOMPARE(led(1)->glyph(), ringOf(Glyph::RedRing)); // lit, with the fallback glyph
        QCOMPARE(led(2)->glyph(), nullptr); // unlit and blank: an empty face
        form->colours().setEntry(ColourSettings::OffStyleEntry, ColourSettings::Crossed);
        form->refreshMatrix();
        QCOMPARE(led(2)->glyph(), ringOf(Glyph::CrossedOff));
    }

    void positionChangeShowsOnlyValidPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("64") << 64 << true;
        QTest::newRow("65") << 65 << false;
    }
    void positionChangeShowsOnlyValidPages()
    {
        QFETCH(int, page);
        QFETCH(bool, shown);
        form->document().setCurrentPage(page);
        for (int p = 1; p <= 64; ++p)
            form->document().setLed(p, 5, EffectImage::On);
        form->showCurrentPage();
        QCOMPARE(control<QLineEdit>("position")->text(), shown ? QString::number(page) : QStringLiteral("1"));
        QCOMPARE(form->ledState(6), shown ? LedState::On : LedState::Off);
    }

    void loadShowsPageOneOfTheFile()
    {
        QTemporaryDir dir;
        QByteArray bytes(2048, '\xFF');
        bytes[0] = '\x01';
        bytes[1] = '\x80';
        form->document().setCurrentPage(7);
        form->showCurrentPage();
        load(TestFiles::writeAll(dir.filePath(QStringLiteral("effect.bin")), bytes));
        QCOMPARE(m_prompts, 1);
        QCOMPARE(m_promptDir, form->executableDir());
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("1"));
        QCOMPARE(form->image().currentPage(), 1);
        for (int c = 0; c < 16; ++c)
            QCOMPARE(form->ledState(c + 1), (c == 0 || c == 15) ? LedState::Off : LedState::On);
        QCOMPARE(form->ledState(17), LedState::Off);
    }

    // Load… and Compare With… start where the current file is; without one, where the file chosen
    // last was; at first, in the folder the settings keep.
    void theFileDialogsStartWhereTheFileIs()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        const QString reference
            = TestFiles::writeAll(second.filePath(QStringLiteral("r.bin")), QByteArray(2048, '\xFF'));
        load(TestFiles::writeAll(first.filePath(QStringLiteral("e.bin")), QByteArray(2048, '\xFF')));
        QCOMPARE(m_promptDir, form->executableDir());
        m_nextPath = reference;
        form->findChild<QAction *>(QStringLiteral("compareWithAction"))->trigger();
        QCOMPARE(m_promptDir, first.path()); // the current file's, not the reference's
        load(std::nullopt);
        QCOMPARE(m_promptDir, first.path());
        QCOMPARE(m_prompts, 3);
    }

    void aCancelledLoadKeepsTheEditsAndShowsPageOne()
    {
        form->document().setCurrentPage(7);
        form->showCurrentPage();
        form->document().setLed(form->image().currentPage(), 9, EffectImage::On);
        load(std::nullopt); // cancelled
        QCOMPARE(form->image().page(7)[9], EffectImage::On);
        QCOMPARE(form->image().currentPage(), 1);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("1"));
    }

    void loadErrorKeepsEverything()
    {
        QTemporaryDir dir;
        form->document().setCurrentPage(5);
        form->document().setLed(5, 3, EffectImage::On);
        form->showCurrentPage();
        BoxSeen seen;
        seen.answerNext();
        const QString gone = dir.filePath(QStringLiteral("gone.bin"));
        load(gone);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, ErrorBox::title());
        QCOMPARE(seen.title, QStringLiteral("tst_mainwindow")); // first letter as written
        QCOMPARE(seen.text, QStringLiteral("Cannot open file \"%1\": No such file or directory.").arg(gone));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(form->image().currentPage(), 5);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("5"));
        QCOMPARE(form->ledState(4), LedState::On);
        QCOMPARE(form->image().page(5)[3], EffectImage::On);
    }

    // One image file dropped on the window loads as the file dialog's choice does; any other
    // drop is refused already on entry, so the pointer shows it.
    void drops_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("taken");
        QTest::newRow("one image file") << "file" << true;
        QTest::newRow("text") << "text" << false;
        QTest::newRow("two files") << "two" << false;
        QTest::newRow("a folder") << "folder" << false;
    }
    void drops()
    {
        QFETCH(QString, what);
        QFETCH(bool, taken);
        const QString path = TestFiles::writeAll(folder->filePath(QStringLiteral("drop.bin")), QByteArray(2048, '\0'));
        QMimeData data;
        if (what == QLatin1String("text"))
            data.setText(path);
        else if (what == QLatin1String("two"))
            data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
        else
            data.setUrls({QUrl::fromLocalFile(what == QLatin1String("folder") ? folder->path() : path)});
        form->document().setCurrentPage(9);
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
        QCOMPARE(form->image().currentPage(), taken ? 1 : 9);
        QCOMPARE(form->ledState(1), taken ? LedState::On : LedState::Off);
    }

    // Without a mouse: Tab reaches the matrix last, the arrows move the frame, Space flips.
    void theMatrixFromTheKeyboard()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *slider = control<QSlider>("clockSlider");
        slider->setFocus(Qt::TabFocusReason);
        QTest::keyClick(slider, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(matrix()));
        QCOMPARE(matrix()->focusPolicy(), Qt::TabFocus); // a click leaves the focus where it was
        QCOMPARE(matrix()->focusedIndicator(), led(1));
        for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(matrix(), key);
        QCOMPARE(matrix()->focusedIndicator(), led(18)); // row 2, third from the left... then one back
        QTest::keyClick(matrix(), Qt::Key_Space);
        QCOMPARE(form->ledState(18), LedState::On);
        QCOMPARE(form->image().page(1)[17], EffectImage::On);
        QTest::keyClick(matrix(), Qt::Key_Space);
        QCOMPARE(form->ledState(18), LedState::Off);
        QTest::keyClick(matrix(), Qt::Key_End);
        QCOMPARE(matrix()->focusedIndicator(), led(32));
        QTest::keyClick(matrix(), Qt::Key_Right); // no wrapping
        QCOMPARE(matrix()->focusedIndicator(), led(32));
        QTest::keyClick(matrix(), Qt::Key_Home);
        QCOMPARE(matrix()->focusedIndicator(), led(17));
    }

    void f10OpensTheMenuBar()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClick(form.get(), Qt::Key_F10);
        QTRY_COMPARE(form->menuBar()->activeAction(), form->menuBar()->actions().constFirst());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    // Every LED is an item of its own to assistive technology, named as the strips number it.
    void screenReadersSeeEveryLed()
    {
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(matrix());
        QCOMPARE(panel->childCount(), 256);
        QAccessibleInterface *led38 = panel->child(37);
        QCOMPARE(led38->text(QAccessible::Name), QStringLiteral("Row 3, column 11"));
        QCOMPARE(led38->role(), QAccessible::CheckBox);
        QCOMPARE(panel->indexOfChild(led38), 37);
        QCOMPARE(led38->parent(), panel);
        QVERIFY(!led38->state().checked);
        form->setLed(38, EffectImage::On, false);
        QVERIFY(led38->state().checked);
        QAccessibleActionInterface *actions = led38->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList {QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction()); // as a click: off again
        QCOMPARE(form->ledState(38), LedState::Off);
        QVERIFY(!led38->state().checked);

        QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(control("previewStrip"));
        QCOMPARE(strip->childCount(), 16);
        QCOMPARE(strip->child(0)->text(QAccessible::Name), QStringLiteral("Preview, column 16"));
        QVERIFY(strip->child(0)->actionInterface()->actionNames().isEmpty()); // it only shows
        QAccessibleInterface *columns = QAccessible::queryAccessibleInterface(control("topColumnLabels"));
        QVERIFY(columns->text(QAccessible::Description).startsWith(QStringLiteral("16 15 14")));
        QVERIFY(QAccessible::queryAccessibleInterface(control("previewEnabledBox"))->state().invisible);
        // Nor is the hidden box among its group's children, where a screen reader would list it.
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(control("previewModeGroup"));
        for (int i = 0; i < group->childCount(); ++i)
            QVERIFY(group->child(i)->object() != control("previewEnabledBox"));
    }

    void loadLeavesThePreviewAlone()
    {
        control<QCheckBox>("previewEnabledBox")->click();
        QVERIFY(form->previewTimer()->isActive());
        load(std::nullopt);
        QVERIFY(form->previewTimer()->isActive());
    }

    void noiseKeysOnTheSlider_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("Ctrl+Alt+Shift+U") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << true;
        QTest::newRow("Ctrl+Alt+U") << int(Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("Ctrl+Shift+U") << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("plain U") << int(Qt::NoModifier) << false;
        QTest::newRow("with Meta too") << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
            | Qt::MetaModifier) << false;
    }
    void noiseKeysOnTheSlider()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, toggles);
        auto *slider = control<QSlider>("clockSlider");
        QTest::keyClick(slider, Qt::Key_U, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(form->noiseTimer()->isActive(), toggles);
        QTest::keyClick(slider, Qt::Key_U, Qt::KeyboardModifiers(modifiers));
        QVERIFY(!form->noiseTimer()->isActive());
        QCOMPARE(slider->value(), 10);
        // Elsewhere the keys do nothing.
        QTest::keyClick(control("position"), Qt::Key_U, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!form->noiseTimer()->isActive());
    }

    void noiseFillsOnlyTheGaps()
    {
        ClientArea *area = form->clientArea();
        QCOMPARE(area->noiseBitmap().size(), QSize(567, 528));
        const QRegion gaps = area->gapRegion();
        for (QObject *child : area->children()) {
            if (auto *widget = qobject_cast<QWidget *>(child)) {
                QVERIFY(!gaps.intersects(widget->geometry()));
                QVERIFY2(widget->autoFillBackground(), qPrintable(widget->objectName())); // never see-through
            }
        }
        QVERIFY(gaps.contains(QRect(449, 0, 7, 528)));
        QVERIFY(gaps.contains(QRect(561, 0, 6, 528)));
        QVERIFY(gaps.contains(QRect(0, 521, 567, 7)));
        QVERIFY(gaps.contains(QRect(456, 97, 105, 7)));
        QVERIFY(gaps.contains(QRect(456, 193, 105, 15)));
        // Frames of the serial stream, one a tick: the gaps show the bytes of the frame the ticks
        // have reached, frame for frame.
        NoiseGenerator reference;
        for (int frame = 1; frame <= 3; ++frame) {
            tick(form->noiseTimer());
            const QImage &noise = area->noiseBitmap();
            for (int y = 0; y < 528; ++y) {
                for (int x = 0; x < 567; ++x) {
                    for (int channel = 0; channel < 3; ++channel) {
                        const std::uint8_t byte = reference.next();
                        const QRgb pixel = noise.pixel(x, y);
                        const int shown = channel == 0 ? qRed(pixel) : channel == 1 ? qGreen(pixel) : qBlue(pixel);
                        if (gaps.contains(QPoint(x, y)) && shown != byte)
                            QFAIL(qPrintable(QStringLiteral("frame %1 differs at %2,%3").arg(frame).arg(x).arg(y)));
                    }
                }
            }
        }
    }

    // What reaches the screen: a repaint of the noise's own shows the frame in every gap pixel,
    // any other repaint the plain face.
    void theGapsShowTheFrameThenThePlainFace()
    {
        ClientArea *area = form->clientArea();
        const QRgb face = area->palette().color(area->backgroundRole()).rgb();
        area->drawNoise();
        const QImage withNoise = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage plain = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage &noise = area->noiseBitmap();
        for (const QRect &gap : area->gapRegion()) {
            for (int y = gap.top(); y <= gap.bottom(); ++y) {
                for (int x = gap.left(); x <= gap.right(); ++x) {
                    if (withNoise.pixel(x, y) != noise.pixel(x, y) || plain.pixel(x, y) != face)
                        QFAIL(qPrintable(QStringLiteral("the gap pixel %1,%2 is wrong").arg(x).arg(y)));
                }
            }
        }
    }

    // The noise bitmap lives as long as the window, not past it: a close keeps it, the end of the
    // window lets it go (the test's copy is then the only one).
    void closeAndDestroyFreeTheNoise()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QImage copy = form->clientArea()->noiseBitmap();
        QVERIFY(!copy.isNull() && !copy.isDetached());
        triggerMenu("exitAction");
        QVERIFY(!form->isVisible());
        QVERIFY(!form->clientArea()->noiseBitmap().isNull());
        form.reset();
        QVERIFY(copy.isDetached());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
