// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/EffectDocument.h"

#include "common/AppError.h"
#include "common/FileReplacer.h"
#include "effect/CArrayExport.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "effect/PageChangeCommand.h"
#include "effect/PageTools.h"
#include "effect/PngExport.h"
#include "mainwindow/ImageFileDialog.h"
#include "widgets/ErrorBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

namespace {
const QString PageMimeType = QStringLiteral("application/x-glimmerview-page");

std::optional<QString> askWithFileDialog(
    QWidget *parent, const QString &title, const QString &suggested, const QStringList &filters)
{
    // Images in the Load dialog's own form, with its filters' patterns; exports in a plain one.
    if (filters == ImageFileDialog::filterLabels())
        return ImageFileDialog::askSavePath(parent, title, suggested);
    QFileDialog dialog(parent, title, suggested);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QMessageBox::StandardButton askWithMessageBox(
    QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, ErrorBox::title(), text, buttons, parent);
    box.setObjectName(QStringLiteral("QuestionBox"));
    // Alt and a letter answer it from the keyboard.
    for (const auto &[button, caption] : {std::pair {QMessageBox::Save, "&Save"},
             std::pair {QMessageBox::Discard, "&Discard"}, std::pair {QMessageBox::Cancel, "&Cancel"}})
        if (QAbstractButton *shown = box.button(button))
            shown->setText(QString::fromUtf8(caption));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

EffectDocument::EffectDocument(EffectImage &image, QWidget *window)
    : QObject(window)
    , m_image(image)
    , m_window(window)
    , m_askForSavePath(&askWithFileDialog)
    , m_ask(&askWithMessageBox)
{
}

void EffectDocument::loaded(const QString &path, ImageLayout layout)
{
    m_path = path;
    m_layout = layout;
    m_history.clear();
}

void EffectDocument::recordChange(int page, const EffectImage::Page &before, const QString &what)
{
    pushChange(page, before, m_image.page(page), what);
}

void EffectDocument::pushChange(
    int page, const EffectImage::Page &before, const EffectImage::Page &after, const QString &what)
{
    if (after == before)
        return; // no step for nothing
    m_history.push(new PageChangeCommand(
        m_image, page, before, after, [this](int changed) { Q_EMIT pageChanged(changed); }, what));
}

bool EffectDocument::maybeSave()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
    switch (m_ask(m_window, QStringLiteral("Save changes to %1?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool EffectDocument::save()
{
    // Never over a file with bytes that were not read: a dump of a bigger chip keeps its tail.
    if (m_path.isEmpty() || ImageFile::holdsMoreThanItsLayout(m_path))
        return saveAs();
    return writeTo(m_path);
}

bool EffectDocument::saveAs()
{
    const std::optional<QString> path = m_askForSavePath(
        m_window, QStringLiteral("Save As"), suggestedPath(QString()), ImageFileDialog::filterLabels());
    return path && writeTo(*path);
}

bool EffectDocument::writeTo(const QString &path)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path); // as the extension names it
    if (!acceptsEightBitLoss(layout))
        return false;
    const bool written = ErrorBox::guard(m_window, [&] { ImageFile::save(path, m_image, layout); });
    if (written) {
        m_path = path;
        m_layout = layout;
        m_history.setClean();
    }
    return written;
}

bool EffectDocument::acceptsEightBitLoss(ImageLayout layout)
{
    const QList<int> pages = ImageEncoder::rightHalfLitPages(m_image);
    if (layout != ImageLayout::Bits8 || pages.isEmpty())
        return true;
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    const QString text = QStringLiteral("The 8-bit layout holds the left half of each row only. Lit LEDs in the "
                                        "right half are lost on page %1. Save all the same?")
                             .arg(numbers.join(QLatin1String(", ")));
    return m_ask(m_window, text, QMessageBox::Save | QMessageBox::Cancel) == QMessageBox::Save;
}

QString EffectDocument::suggestedPath(const QString &extension) const
{
    if (m_path.isEmpty())
        return extension.isEmpty() ? QString() : QStringLiteral("effect") + extension;
    const QFileInfo info(m_path);
    return extension.isEmpty() ? m_path : info.absoluteDir().filePath(info.completeBaseName() + extension);
}

void EffectDocument::exportCArray()
{
    const std::optional<QString> path = m_askForSavePath(m_window, QStringLiteral("Export as C Array"),
        suggestedPath(QStringLiteral(".h")), {QStringLiteral("C header (*.h)")});
    if (!path)
        return;
    writeExport(*path, CArrayExport::header(m_image, m_layout, CArrayExport::identifierFor(*path)));
}

void EffectDocument::writeExport(const QString &path, const QByteArray &bytes)
{
    ErrorBox::guard(m_window, [&] {
        QString reason;
        if (!FileReplacer::replace(path, bytes, &reason))
            throw AppError(QStringLiteral("Cannot save \"%1\": %2").arg(path, reason));
    });
}

void EffectDocument::exportPicture(const ColourSettings &colours)
{
    const std::optional<QString> path = m_askForSavePath(m_window, QStringLiteral("Export as PNG"),
        suggestedPath(QStringLiteral(".png")), {QStringLiteral("PNG picture (*.png)")});
    if (!path)
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PngExport::render(m_image, colours).save(&buffer, "PNG", 9);
    writeExport(*path, png);
}

void EffectDocument::copyPage()
{
    const QByteArray bytes = PageTools::bytes(m_image.page(m_image.currentPage()));
    auto *data = new QMimeData;
    data->setData(PageMimeType, bytes);
    data->setText(PageTools::hexText(bytes)); // for a hex editor or a C source
    QApplication::clipboard()->setMimeData(data);
}

void EffectDocument::pastePage()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    std::optional<QByteArray> bytes;
    if (data && data->data(PageMimeType).size() == PageTools::ByteCount)
        bytes = data->data(PageMimeType);
    else if (data && data->hasText())
        bytes = PageTools::parseHex(data->text());
    if (!bytes) {
        ErrorBox::show(m_window,
            QStringLiteral("The clipboard holds no page: copy one in Glimmerview, or 32 bytes "
                           "as hex text (\"0x12, 0x34, ...\" or \"1234...\")"));
        return;
    }
    replaceCurrentPage(PageTools::fromBytes(*bytes), QStringLiteral("Paste Page"));
}

void EffectDocument::clearPage()
{
    replaceCurrentPage(PageTools::cleared(), QStringLiteral("Clear Page"));
}

void EffectDocument::fillPage()
{
    replaceCurrentPage(PageTools::filled(), QStringLiteral("Fill Page"));
}

void EffectDocument::invertPage()
{
    replaceCurrentPage(PageTools::inverted(m_image.page(m_image.currentPage())), QStringLiteral("Invert Page"));
}

void EffectDocument::replaceCurrentPage(const EffectImage::Page &after, const QString &what)
{
    const int page = m_image.currentPage();
    pushChange(page, m_image.page(page), after, what);
}
