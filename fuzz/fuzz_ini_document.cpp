// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// libFuzzer entry: any bytes as a settings file. Parsing and writing back must keep every byte,
// and a value written must read back.
#include "settings/IniDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    IniDocument document(bytes);
    if (document.bytes() != bytes)
        std::abort();
    (void)document.value("TForm1", "led_col1");
    document.setValue("TForm1", "led_col1", "42");
    const IniDocument reread(document.bytes());
    if (reread.value("TForm1", "led_col1") != QByteArray("42"))
        std::abort();
    return 0;
}
