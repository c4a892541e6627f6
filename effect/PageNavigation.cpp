// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PageNavigation.h"

#include "common/AppError.h"
#include "common/DecimalText.h"
#include "common/ProgramTexts.h"
#include "effect/EffectImage.h"

std::uint16_t PageNavigation::pageFromText(const QString &text)
{
    if (text.isEmpty())
        return 1;
    const std::optional<std::int32_t> value = DecimalText::parse(text);
    if (!value)
        throw AppError(Texts::shown(Texts::NotAnInteger).arg(text));
    const auto page = static_cast<std::uint16_t>(static_cast<std::uint32_t>(*value) & 0xFFFFu);
    if (page == 0)
        return 1;
    return page >= EffectImage::PageCount ? EffectImage::PageCount : page;
}

std::uint16_t PageNavigation::nextPage(std::uint16_t page)
{
    const auto next = static_cast<std::uint16_t>(page + 1);
    return next >= EffectImage::PageCount ? EffectImage::PageCount : next;
}

std::uint16_t PageNavigation::previousPage(std::uint16_t page)
{
    const auto previous = static_cast<std::uint16_t>(page - 1);
    return previous <= 1 ? 1 : previous;
}

std::uint16_t PageNavigation::followingPage(std::uint16_t page)
{
    const auto next = static_cast<std::uint16_t>(page + 1);
    return next > EffectImage::PageCount ? 1 : next;
}
