// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
// The one source of the tests' shared precompiled header: it compiles the header once, and every
// test without widgets reuses it.
