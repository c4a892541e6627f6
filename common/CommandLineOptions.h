// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The command line's options beside --help and --version: one table for the parser and for the
// manual page, so that the two cannot drift apart. Texts are the English of the "CommandLine"
// translation context.
namespace CommandLineOptions {

struct Option
{
    const char *name; // without the dashes
    const char *valueName; // nullptr: takes no value
    const char *description;
};

const QList<Option> &all();
// The texts in the user's language: a description, its places filled from the tables that name
// what the options take (%1 the chip's targets, %2 the generators, %3 the exports, %4 the
// picture import's settings), or a value name ("FILE", "TARGET").
QString description(const Option &option, const QStringList &tables);
QString valueName(const char *englishName);

} // namespace CommandLineOptions
