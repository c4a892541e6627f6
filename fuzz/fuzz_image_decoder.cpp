// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// libFuzzer entry: any bytes as an image file, in both layouts.
#include "effect/ImageDecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (ImageLayout layout : {ImageLayout::Bits16, ImageLayout::Bits8}) {
        EffectImage image;
        ImageDecoder::decode(bytes, layout, image);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            for (std::uint8_t state : image.page(page))
                if (state > 1)
                    std::abort(); // only On and Off are ever stored
    }
    return 0;
}
