// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <optional>

// Where an effect image differs from a reference, LED by LED, page by page. Images of either
// layout compare as loaded: an 8-bit image's right halves are unlit, so there a 16-bit image
// differs only where it is lit.
class ImageComparison
{
public:
    // Nothing compared: no difference anywhere.
    ImageComparison() = default;
    static ImageComparison of(const EffectImage &image, const EffectImage &reference);

    // Precondition for page numbers: 1..64; for LED indexes: 0..255, row-major from the top-left.
    bool differs(int page, int index) const { return m_leds.test(slot(page, index)); }
    int differingLeds(int page) const { return m_perPage[static_cast<std::size_t>(page - 1)]; }
    int differingPages() const;
    int differingLeds() const { return static_cast<int>(m_leds.count()); }
    bool isSame() const { return m_leds.none(); }
    // The next differing page after `page` going forward (or back), wrapping round; `page` itself
    // when it is the only one; nothing when no page differs.
    std::optional<int> nextDifferingPage(int page, bool forward) const;

    // "N pages differ, M LEDs", or "Same as <name>".
    QString summary(const QString &referenceName) const;
    // One line a differing row: "page P row R: columns c1 c2 ...", numbered as the strips show.
    QStringList rowReport() const;

private:
    static std::size_t slot(int page, int index)
    {
        return static_cast<std::size_t>((page - 1) * EffectImage::LedsPerPage + index);
    }

    std::bitset<EffectImage::PageCount * EffectImage::LedsPerPage> m_leds;
    std::array<int, EffectImage::PageCount> m_perPage {};
};
