// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/PageEditKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <array>

PageEditKeys::PageEditKeys(QLineEdit *edit, QWidget *window, std::function<void()> enter)
    : QObject(edit)
    , m_window(window)
    , m_enter(std::move(enter))
{
    // Only typed characters pass the filter; drops and input-method text would get round it.
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->installEventFilter(this);
}

bool PageEditKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            m_enter(); // and the line edit still sees it
        else if (swallows(key))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool PageEditKeys::isMenuShortcut(const QKeyEvent &event) const
{
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction *> actions = m_window->findChildren<QAction *>();
    return std::any_of(actions.begin(), actions.end(),
        [&pressed](const QAction *action) { return action->shortcuts().contains(pressed); });
}

bool PageEditKeys::swallows(const QKeyEvent &event) const
{
    const QString typed = event.text();
    // Keys that type no character (arrows, Home, End, Delete, Shift+Insert) are not filtered;
    // neither is Tab, which moves the focus before any character is typed. X11 gives Delete a
    // text of its own, but it types nothing.
    static const std::array NotCharacters {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Delete};
    if (typed.isEmpty() || std::find(NotCharacters.begin(), NotCharacters.end(), event.key()) != NotCharacters.end())
        return false;
    const bool digit = typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9');
    return !(digit || event.key() == Qt::Key_Backspace);
}
