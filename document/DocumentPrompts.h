// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// What the document asks the user and how it tells of a failure. The window answers with its
// dialogs; a test answers as it is scripted to.
class DocumentPrompts
{
public:
    // Each question has its own answers; the one given first is never the default where a
    // thoughtless Enter could cost a file's bytes.
    enum class Question {
        SaveChanges, // Save, Discard, Cancel
        OverwriteChangedFile, // Yes (captioned Overwrite), Cancel; Cancel is the default
        ReplaceLongerFile, // Yes, No; No is the default
        AcceptEightBitLoss, // Save, Cancel
        AcceptLostLeds, // Yes (captioned Insert), Cancel; Cancel is the default
    };
    enum class Answer { Save, Discard, Cancel, Yes, No };
    // What is being written: an image in one of its layouts, or an export.
    enum class Target { Image, CArray, Picture, Animation, IntelHex, SRecord };

    virtual ~DocumentPrompts() = default;

    // Where to write: the chosen path, or nothing on cancel.
    virtual std::optional<QString> savePath(Target target, const QString &title, const QString &suggested) = 0;
    virtual Answer ask(Question question, const QString &text) = 0;
    // A number from `least` to `most`, `value` offered; nothing on cancel.
    virtual std::optional<int> askNumber(const QString &text, int least, int most, int value) = 0;
    virtual void reportError(const QString &message) = 0;
};
