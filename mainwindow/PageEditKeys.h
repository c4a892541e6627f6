// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

// The keys the position box takes: digits and Backspace type, Enter goes to the page typed, any
// other character is swallowed; keys that type nothing keep their meaning. The window's menu
// shortcuts win over the box's own editing keys (Ctrl+X is Exit, not Cut).
class PageEditKeys : public QObject
{
    Q_OBJECT

public:
    // `window` holds the menu whose shortcuts win; `enter` runs on Enter, before the box sees it.
    PageEditKeys(QLineEdit *edit, QWidget *window, std::function<void()> enter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isMenuShortcut(const QKeyEvent &event) const;
    // True when the key is swallowed.
    bool swallows(const QKeyEvent &event) const;

    QWidget *m_window;
    std::function<void()> m_enter;
};
