// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "document/DocumentPrompts.h"

#include <QStringList>

// The document's questions answered as a test scripts them, each one kept to be checked.
struct ScriptedPrompts : DocumentPrompts
{
    std::optional<QString> path; // where to save; nothing: the dialog is cancelled
    Answer answer = Answer::Cancel;
    int savePrompts = 0;
    QString suggested; // what the last save dialog offered
    QStringList questions;
    QStringList errors;

    std::optional<QString> savePath(Target, const QString &, const QString &offered) override
    {
        ++savePrompts;
        suggested = offered;
        return path;
    }
    Answer ask(Question, const QString &text) override
    {
        questions << text;
        return answer;
    }
    std::optional<int> number; // what askNumber() answers
    std::optional<int> askNumber(const QString &text, int, int, int) override
    {
        questions << text;
        return number;
    }
    void reportError(const QString &message) override { errors << message; }
};
