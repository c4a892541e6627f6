// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "pictureview/ImportPictureDialog.h"

#include "common/AppError.h"
#include "common/LocalPath.h"
#include "document/EffectDocument.h"
#include "picture/PictureImport.h"
#include "widgets/ErrorBox.h"
#include "widgets/SettingsForm.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

ImportPictureDialog::ImportPictureDialog(
    EffectDocument &document, const QList<QImage> &frames, const QString &name, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_frames(frames)
    , m_rows(document.selection().isEmpty() ? RowSelection::rows(
                 (document.image().currentPage() - 1) * EffectImage::RowCount, RowSelection::RowCount - 1)
                                                  .list()
                                            : document.selection().list())
    , m_settings(new SettingsForm("PictureImport", this))
    , m_outcome(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Import %1").arg(name));
    m_outcome->setObjectName(QStringLiteral("outcomeLabel"));
    m_outcome->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    const QString size
        = tr("%1: %2×%3 pixels").arg(name).arg(frames.constFirst().width()).arg(frames.constFirst().height());
    layout->addWidget(new QLabel(frames.size() == 1 ? size : tr("%1, %2 frames").arg(size).arg(frames.size()), this));
    layout->addWidget(m_settings);
    layout->addWidget(m_outcome);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &ImportPictureDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &ImportPictureDialog::reject);
    connect(m_settings, &SettingsForm::changed, this, &ImportPictureDialog::preview);
    m_settings->showTable(PictureImport::settings(), document.stringLeds());
    m_settings->chainFocus(nullptr, m_buttons);
    preview();
}

void ImportPictureDialog::chooseAndImport(EffectDocument &document, QWidget *window)
{
    QFileDialog dialog(window, tr("Import Picture"),
        document.path().isEmpty() ? QString() : QFileInfo(document.path()).absolutePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("Pictures (*.png *.bmp *.gif *.jpg *.jpeg)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    try {
        auto *import = new ImportPictureDialog(
            document, PictureImport::read(path), LocalPath::displayed(QFileInfo(path).fileName()), window);
        import->setAttribute(Qt::WA_DeleteOnClose);
        import->move(window->mapToGlobal(QPoint(0, 0))); // over the matrix, the overview beside it in sight
        import->open();
    } catch (const AppError &error) {
        ErrorBox::show(window, error.message());
    }
}

void ImportPictureDialog::preview()
{
    try {
        const QList<RowTools::Frame> rows
            = PictureImport::rows(m_frames, m_settings->settings(), m_document.stringLeds());
        m_document.showPreview(m_rows, rows);
        const qsizetype cut = rows.size() - m_rows.size();
        m_outcome->setText(cut > 0 ? tr("Rows past the last row, cut: %1.").arg(cut)
                                   : tr("Rows of the picture: %1.").arg(rows.size()));
    } catch (const AppError &error) {
        m_outcome->setText(error.message());
    }
}

void ImportPictureDialog::accept()
{
    m_document.endPreview(true, tr("Import Picture"));
    QDialog::accept();
}

void ImportPictureDialog::reject()
{
    m_document.endPreview(false, QString());
    QDialog::reject();
}
