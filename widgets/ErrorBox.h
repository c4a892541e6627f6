// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/AppError.h"

#include <QString>
#include <exception>
#include <utility>

class QWidget;

// The one place where errors raised in handlers end: the handler is abandoned, a modal box with
// a stop icon and one OK button, captioned with the program's title, shows the message, and the
// program goes on. Every handler that can raise runs through guard(), so no exception ever
// travels through Qt's own frames.
class ErrorBox
{
public:
    static void show(QWidget *parent, const QString &message);
    static QString title();

    // False when the handler raised an error (and the box has been shown).
    template<typename Handler>
    static bool guard(QWidget *parent, Handler &&handler)
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const AppError &error) {
            show(parent, error.message());
        } catch (const std::exception &error) {
            show(parent, QString::fromUtf8(error.what()));
        }
        return false;
    }
};
