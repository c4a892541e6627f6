// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "document/DocumentPrompts.h"

#include <QCoreApplication>

class QWidget;

// The document's questions as the window asks them: file dialogs, question boxes and the
// error box, modal over the window given.
class WindowPrompts : public DocumentPrompts
{
    Q_DECLARE_TR_FUNCTIONS(WindowPrompts)

public:
    explicit WindowPrompts(QWidget *window)
        : m_window(window)
    {
    }

    std::optional<QString> savePath(Target target, const QString &title, const QString &suggested) override;
    Answer ask(Question question, const QString &text) override;
    std::optional<int> askNumber(const QString &text, int least, int most, int value) override;
    void reportError(const QString &message) override;

private:
    QWidget *m_window;
};
