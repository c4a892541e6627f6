// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "LedIndicator.h"
#include "LedPanel.h"
#include "global.h"
#include "mainUnit.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <memory>

// A fresh main window for each test, with its process-wide data, and ways to reach its controls
// by name and to act on its LEDs as the mouse does.
class FormFixture
{
public:
    std::unique_ptr<Global> global;
    std::unique_ptr<TForm1> form;

    void create()
    {
        global = std::make_unique<Global>();
        form = std::make_unique<TForm1>(*global);
    }
    void destroy()
    {
        form.reset();
        global.reset();
    }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        auto *widget = form->findChild<T *>(QString::fromUtf8(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    LedIndicator *led(int n) const { return form->ledButton(static_cast<std::uint16_t>(n)); }
    LedPanel *matrix() const { return control<LedPanel>("Panel1"); }
    bool lit(int n) const { return led(n)->stateText() == QLatin1String("On"); }

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
