// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;
class RecoveryKeeper;
struct RecoveryCopy;

// At start: offers, one at a time, the unsaved edits that runs which ended without saving them
// left behind. Recover takes the copy (and any others wait for a later start), Discard drops it,
// a box closed unanswered keeps them all for a later start.
namespace RecoveryOffer {
void offer(QWidget *window, RecoveryKeeper &keeper, const std::function<void(const RecoveryCopy &)> &recover);
}
