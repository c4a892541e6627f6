// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// libFuzzer entry: any bytes as a settings file. Parsing and writing back must keep every byte,
// and a value written must read back, except in a file that only looks like UTF-16 at its start
// (kept as bytes; after an edit its bytes may read as UTF-16 text of another meaning).
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
    const bool looksLikeUtf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (looksLikeUtf16 && !document.isUtf16())
        return 0;
    const IniDocument reread(document.bytes());
    if (reread.value("TForm1", "led_col1") != QByteArray("42"))
        std::abort();
    return 0;
}
