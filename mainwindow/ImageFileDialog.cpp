// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ImageFileDialog.h"

#include "common/ProgramTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QRegularExpression>

const QList<ImageFileDialog::Filter> &ImageFileDialog::filters()
{
    static const QList<Filter> table {
        {Texts::shown(Texts::BinaryFilter), {QStringLiteral("*.bin")}},
        {Texts::shown(Texts::Binary8BitFilter), {QStringLiteral("*.bin8")}},
        {Texts::shown(Texts::Binary16BitFilter), {QStringLiteral("*.bin16")}},
        {Texts::shown(Texts::AllFilesFilter), {QStringLiteral("*")}}, // every file, with a dot or without
    };
    return table;
}

ImageFileDialog::ImageFileDialog(QWidget *parent, const QString &initialDir, const QString &defaultExt)
    : QFileDialog(parent, Texts::shown(Texts::OpenDialogTitle))
{
    setObjectName(QStringLiteral("OpenDialog"));
    // Qt's own widgets, so the filter patterns below apply and the dialog is the same everywhere.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters(filterLabels());
    QString suffix = defaultExt;
    suffix.remove(QRegularExpression(QStringLiteral("^\\*?\\.")));
    setDefaultSuffix(suffix);
    setDirectory(QDir::cleanPath(initialDir));
    // A proxy of our own hands us the dialog's file-system model, whose patterns we set.
    setProxyModel(new QIdentityProxyModel(this));
    // Qt applies its own reading of a label when the user picks it in the filter box, and then
    // tells of the choice: ours has the last word.
    connect(this, &QFileDialog::filterSelected, this,
        [this](const QString &label) { usePatternsOf(static_cast<int>(filterLabels().indexOf(label))); });
    usePatternsOf(0);
}

void ImageFileDialog::usePatternsOf(int filterIndex)
{
    auto *model = qobject_cast<QFileSystemModel *>(proxyModel()->sourceModel());
    if (!model || filterIndex < 0 || filterIndex >= filters().size())
        return;
    model->setFilter(model->filter() & ~QDir::CaseSensitive);
    model->setNameFilters(filters().at(filterIndex).patterns);
}

void ImageFileDialog::accept()
{
    // Read without the default extension, the chosen name is the typed one as it stands (or the
    // file selected in the list); one that names a file is taken without an extension added.
    const QString suffix = defaultSuffix();
    setDefaultSuffix(QString());
    const QStringList chosen = selectedFiles();
    const bool existsAsTyped = chosen.size() == 1 && QFileInfo(chosen.constFirst()).isFile();
    setDefaultSuffix(existsAsTyped ? QString() : suffix);
    QFileDialog::accept();
    if (result() != QDialog::Accepted)
        setDefaultSuffix(suffix);
}

QStringList ImageFileDialog::filterLabels()
{
    QStringList labels;
    for (const Filter &filter : filters())
        labels << filter.label;
    return labels;
}

std::optional<QString> ImageFileDialog::askSavePath(QWidget *parent, const QString &title, const QString &suggested)
{
    const QFileInfo where(suggested);
    ImageFileDialog dialog(parent, suggested.isEmpty() ? QString() : where.absolutePath(), QStringLiteral("*.bin"));
    dialog.setWindowTitle(title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!suggested.isEmpty())
        dialog.selectFile(where.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> ImageFileDialog::ask(
    QWidget *parent, const QString &initialDir, const QString &defaultExt, const QString &title)
{
    ImageFileDialog dialog(parent, initialDir, defaultExt);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
