// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/LedStates.h"

#include "effect/EffectImage.h"

#include <QtGlobal>

std::size_t LedStates::slot(int n)
{
    Q_ASSERT(isLedNumber(n));
    return static_cast<std::size_t>(isMatrixLed(n) ? n - 1 : MatrixLedCount + n - FirstPreviewLed);
}

int LedStates::columnOf(int n)
{
    Q_ASSERT(isLedNumber(n));
    return isMatrixLed(n) ? (n - 1) % EffectImage::ColumnCount + 1 : n - FirstPreviewLed + 1;
}

LedState LedStates::shownFor(std::uint8_t imageState)
{
    return imageState == EffectImage::On ? LedState::On : LedState::Off;
}

LedState LedStates::shown(int n) const
{
    return m_shown[slot(n)];
}

bool LedStates::change(int n, std::uint8_t imageState, bool force)
{
    const LedState target = shownFor(imageState);
    LedState &current = m_shown[slot(n)];
    if (!force && current == target)
        return false;
    current = target;
    return true;
}

std::uint8_t LedStates::pressedState(LedState shown, bool painting)
{
    const bool lights = painting || shown != LedState::On;
    return lights ? EffectImage::On : EffectImage::Off;
}
