// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/RecoveryOffer.h"

#include "common/LocalPath.h"
#include "recovery/RecoveryKeeper.h"
#include "widgets/QuestionBox.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>

void RecoveryOffer::offer(
    QWidget *window, RecoveryKeeper &keeper, const std::function<void(const RecoveryCopy &)> &recover)
{
    for (const RecoveryStore::LeftBehind &left : keeper.store().claimLeftBehind()) {
        const QString file = left.copy.imagePath.isEmpty() ? QCoreApplication::translate("RecoveryOffer", "Untitled")
                                                           : LocalPath::displayed(left.copy.imagePath);
        QuestionBox box(window, QStringLiteral("RecoveryQuestion"),
            QCoreApplication::translate("RecoveryOffer", "Recover the unsaved changes to %1 from %2?")
                .arg(file, QLocale().toString(left.copy.savedAt.toLocalTime(), QLocale::ShortFormat)));
        QAbstractButton *discard
            = box.addAnswer(QMessageBox::Discard, QCoreApplication::translate("RecoveryOffer", "&Discard"));
        QPushButton *recoverButton
            = box.addButton(QCoreApplication::translate("RecoveryOffer", "&Recover"), QMessageBox::AcceptRole);
        box.setDefaultButton(recoverButton);
        box.exec();
        if (box.clickedButton() == recoverButton) {
            recover(left.copy);
            keeper.writeNow(); // this run's copy first, then the old one goes
            keeper.store().drop(left.id);
            return; // any others wait for a later start
        }
        if (box.clickedButton() != discard)
            return; // closed unanswered: kept for a later start
        keeper.store().drop(left.id);
    }
}
