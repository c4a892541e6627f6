// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/DesktopEnvironment.h"
#include "mainwindow/MainWindow.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

// The machine as a test plays it: a folder of the test's own for the executable (and so for
// the settings file), and a screen of its choosing.
class TestEnvironment : public DesktopEnvironment
{
public:
    QString folder;
    QSize screen {1024, 768};
    int dpi = 96;
    bool folderTakesNewFiles = true; // false: as an installed copy in a folder of the system's
    QString home;
    QString config;
    QString state;

    QString executableFolder() const override { return folder; }
    QSize primaryScreenSize() const override { return screen; }
    int pixelsPerInch() const override { return dpi; }
    QString homeFolder() const override { return home; }
    QString userConfigFolder() const override { return config; }
    QString userStateFolder() const override { return state; }
    bool canCreateFilesIn(const QString &) const override { return folderTakesNewFiles; }
};

// A fresh main window for each test, and ways to reach its controls by name, to drive them, and
// to act on its LEDs as the mouse does.
class FormFixture
{
public:
    std::unique_ptr<QTemporaryDir> folder;
    std::shared_ptr<TestEnvironment> environment;
    std::unique_ptr<MainWindow> form;

    // A window in a new, empty folder.
    void create()
    {
        folder = std::make_unique<QTemporaryDir>();
        environment = std::make_shared<TestEnvironment>();
        environment->folder = folder->path();
        environment->home = folder->filePath(QStringLiteral("home"));
        environment->config = folder->filePath(QStringLiteral("home/.config"));
        environment->state = folder->filePath(QStringLiteral("home/.local/state"));
        restart();
    }
    // A window in a new folder, shown; false when it never appears.
    [[nodiscard]] bool createShown()
    {
        create();
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    // A new window in the same folder, as the next start of the program.
    void restart()
    {
        form.reset();
        form = std::make_unique<MainWindow>(environment);
    }
    void destroy()
    {
        form.reset();
        folder.reset();
    }
    QString iniPath() const { return folder->filePath(QStringLiteral("Glimmerview.ini")); }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        auto *widget = form->findChild<T *>(QString::fromUtf8(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    LedIndicator *led(int n) const { return form->ledIndicator(n); }
    LedPanel *matrix() const { return control<LedPanel>("ledMatrix"); }
    bool lit(int n) const { return form->ledState(n) == LedState::On; }

    void clickButton(const char *name) const { control<QPushButton>(name)->click(); }
    void triggerMenu(const char *name) const { control<QAction>(name)->trigger(); }
    // A timeout of the timer, as if its period had run out.
    static void tick(QTimer *timer) { QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection); }
    void tickPreview() const { tick(form->previewTimer()); }

    // Mouse events as the window system delivers them to the panel under the pointer.
    static void send(LedPanel *panel, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, at, panel->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(panel, &event);
    }
    void press(int n, Qt::MouseButton button) const
    {
        send(matrix(), QEvent::MouseButtonPress, led(n)->geometry().center(), button, button);
    }
    void release(int n, Qt::MouseButton button) const
    {
        send(matrix(), QEvent::MouseButtonRelease, led(n)->geometry().center(), button, Qt::NoButton);
    }
    void moveOver(int n, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPoint offset = {})
    {
        send(matrix(), QEvent::MouseMove, led(n)->geometry().center() + offset, Qt::NoButton, held, modifiers);
    }
};

// What the next modal box said; it is answered with OK.
struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;

    void answerNext()
    {
        QTimer::singleShot(0, qApp, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            ++count;
            box->accept();
        });
    }
};
