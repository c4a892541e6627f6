// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <optional>

// The file dialog of "Load", and of "Save As" for images. Its filter labels are shown exactly as the program has always
// written them, doubled parentheses included; Qt would take a filter's pattern from the label's
// last parentheses and match nothing, so each label gets its own patterns, matched without regard
// to letter case.
class ImageFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    struct Filter
    {
        QString label;
        QStringList patterns;
    };
    static const QList<Filter> &filters();

    ImageFileDialog(QWidget *parent, const QString &initialDir, const QString &defaultExt);

    // Shows the dialog modally; the chosen path, or nothing when the user cancels.
    static std::optional<QString> ask(
        QWidget *parent, const QString &initialDir, const QString &defaultExt, const QString &title = {});
    // The same dialog for saving an image, starting at `suggested`; Qt asks before an existing
    // file is replaced.
    static std::optional<QString> askSavePath(QWidget *parent, const QString &title, const QString &suggested);
    static QStringList filterLabels();

protected:
    // A typed name that exists as it stands is opened as it stands; the default extension is
    // added only to a name that does not.
    void accept() override;

private:
    void usePatternsOf(int filterIndex);
};
