// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ImageFileDialog.h"

#include "common/ProgramTexts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QRegularExpression>

const QList<ImageFileDialog::Filter> &ImageFileDialog::filters()
{
    static const QList<Filter> table {
        {QString::fromUtf8(Texts::BinaryFilter), {QStringLiteral("*.bin")}},
        {QString::fromUtf8(Texts::Binary8BitFilter), {QStringLiteral("*.bin8")}},
        {QString::fromUtf8(Texts::Binary16BitFilter), {QStringLiteral("*.bin16")}},
        {QString::fromUtf8(Texts::AllFilesFilter), {QStringLiteral("*")}}, // every file, with a dot or without
    };
    return table;
}

ImageFileDialog::ImageFileDialog(QWidget *parent, const QString &initialDir, const QString &defaultExt)
    : QFileDialog(parent, QString::fromUtf8(Texts::OpenDialogTitle))
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
    // Qt applies its own reading of a label when the user picks it in the filter box; ours is
    // connected after Qt's and so has the last word.
    if (auto *filterBox = findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        connect(filterBox, &QComboBox::activated, this, &ImageFileDialog::usePatternsOf);
    usePatternsOf(0);
}

void ImageFileDialog::usePatternsOf(int filterIndex)
{
    auto *model = findChild<QFileSystemModel *>();
    if (!model || filterIndex < 0 || filterIndex >= filters().size())
        return;
    model->setFilter(model->filter() & ~QDir::CaseSensitive);
    model->setNameFilters(filters().at(filterIndex).patterns);
}

void ImageFileDialog::accept()
{
    const auto *nameEdit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const QString typed = nameEdit ? nameEdit->text() : QString();
    const QString suffix = defaultSuffix();
    // A file selected in the list (the suggested one, or one the listing selected as it arrived)
    // would win over the name typed: the selection follows the name, so what is typed is taken.
    if (!typed.isEmpty() && !typed.contains(QLatin1Char('/')) && !typed.startsWith(QLatin1Char('"')))
        selectFile(directory().absoluteFilePath(typed));
    if (!typed.isEmpty() && QFileInfo(directory().absoluteFilePath(typed)).isFile())
        setDefaultSuffix(QString());
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

std::optional<QString> ImageFileDialog::ask(QWidget *parent, const QString &initialDir, const QString &defaultExt)
{
    ImageFileDialog dialog(parent, initialDir, defaultExt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
