// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/WindowPrompts.h"

#include "mainwindow/ImageFileDialog.h"
#include "widgets/ErrorBox.h"
#include "widgets/QuestionBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMap>

std::optional<QString> WindowPrompts::savePath(Target target, const QString &title, const QString &suggested)
{
    // Images in the Load dialog's own form, with its filters' patterns; exports in a plain one.
    if (target == Target::Image)
        return ImageFileDialog::askSavePath(m_window, title, suggested);
    QFileDialog dialog(m_window, title, suggested);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QMap<Target, QString> filters {{Target::CArray, tr("C header (*.h)")},
        {Target::Picture, tr("PNG picture (*.png)")}, {Target::Animation, tr("GIF animation (*.gif)")},
        {Target::IntelHex, tr("Intel HEX (*.hex *.ihx)")}, {Target::SRecord, tr("S-record (*.srec *.s19 *.mot)")}};
    dialog.setNameFilter(filters.value(target));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

DocumentPrompts::Answer WindowPrompts::ask(Question question, const QString &text)
{
    QuestionBox box(m_window, QStringLiteral("QuestionBox"), text);
    const auto answer = [&box](QMessageBox::StandardButton button, Answer meaning) {
        const QAbstractButton *clicked = box.clickedButton();
        return clicked && clicked == box.button(button) ? std::optional<Answer>(meaning) : std::nullopt;
    };
    switch (question) {
    case Question::SaveChanges:
        box.addAnswer(QMessageBox::Save, tr("&Save"));
        box.addAnswer(QMessageBox::Discard, tr("&Discard"));
        box.addAnswer(QMessageBox::Cancel, tr("&Cancel"));
        break;
    case Question::OverwriteChangedFile:
        box.addAnswer(QMessageBox::Yes, tr("&Overwrite"));
        box.addAnswer(QMessageBox::Cancel, tr("&Cancel"), true);
        break;
    case Question::ReplaceLongerFile:
        box.addAnswer(QMessageBox::Yes, tr("&Yes"));
        box.addAnswer(QMessageBox::No, tr("&No"), true);
        break;
    case Question::AcceptEightBitLoss: // Enter keeps the LEDs
        box.addAnswer(QMessageBox::Save, tr("&Save"));
        box.addAnswer(QMessageBox::Cancel, tr("&Cancel"), true);
        break;
    case Question::AcceptLostLeds: // Enter keeps the LEDs
        box.addAnswer(QMessageBox::Yes, tr("&Insert"));
        box.addAnswer(QMessageBox::Cancel, tr("&Cancel"), true);
        break;
    }
    box.exec();
    for (const std::optional<Answer> given :
        {answer(QMessageBox::Save, Answer::Save), answer(QMessageBox::Discard, Answer::Discard),
            answer(QMessageBox::Yes, Answer::Yes), answer(QMessageBox::No, Answer::No)})
        if (given)
            return *given;
    return Answer::Cancel; // Cancel, Escape, or the box closed
}

void WindowPrompts::reportError(const QString &message)
{
    ErrorBox::show(m_window, message);
}

std::optional<int> WindowPrompts::askNumber(const QString &text, int least, int most, int value)
{
    bool given = false;
    const int number
        = QInputDialog::getInt(m_window, QApplication::applicationDisplayName(), text, value, least, most, 1, &given);
    return given ? std::optional(number) : std::nullopt;
}
