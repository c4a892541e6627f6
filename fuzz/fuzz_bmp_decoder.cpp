// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// libFuzzer entry: any bytes as a bitmap; the reader must refuse or read, never overrun.
#include "common/BmpDecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)BmpDecoder::decode(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
