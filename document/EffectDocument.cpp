// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "document/EffectDocument.h"

#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "common/LocalPath.h"
#include "common/PageRanges.h"
#include "common/WholeFile.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "effect/PageChangeCommand.h"
#include "effect/PageTools.h"
#include "effect/PagesChangeCommand.h"
#include "effect/PngExport.h"
#include "effect/RowTools.h"
#include "exporting/Exports.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QMimeData>
#include <algorithm>
#include <exception>
#include <utility>

namespace {
const QString RowsMimeType = QStringLiteral("application/x-glimmerview-rows");

QString shownName(const QString &path)
{
    return LocalPath::displayed(QFileInfo(path).fileName());
}
} // namespace

EffectDocument::EffectDocument(DocumentPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(&prompts)
{
    m_image.fillAllPagesOff();
}

template<typename Work>
bool EffectDocument::reportingErrors(Work &&work)
{
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const AppError &error) {
        m_prompts->reportError(error.message());
    } catch (const std::exception &error) {
        m_prompts->reportError(QString::fromUtf8(error.what()));
    }
    return false;
}

void EffectDocument::replaceImage(const EffectImage &image, const QString &path, ImageLayout layout)
{
    for (int page = 1; page <= EffectImage::PageCount; ++page)
        m_image.setPage(page, image.page(page));
    m_image.setCurrentPage(1);
    m_stroke.reset();
    setSelection({});
    m_path = path;
    m_layout = layout;
    m_stamp = FileStamp::of(path);
    m_history.clear();
    Q_EMIT pathChanged(m_path);
    Q_EMIT imageReplaced();
}

bool EffectDocument::startNew(ImageLayout layout)
{
    if (!maybeSave())
        return false;
    EffectImage unlit;
    unlit.fillAllPagesOff();
    replaceImage(unlit, QString(), layout);
    return true;
}

void EffectDocument::load(const QString &path)
{
    EffectImage loaded;
    const ImageLayout layout = ImageFile::load(path, loaded); // throws before anything here changes
    replaceImage(loaded, path, layout);
}

void EffectDocument::recover(
    const QString &path, ImageLayout layout, const QByteArray &bytes, const std::optional<FileStamp> &stamp)
{
    EffectImage recovered;
    ImageDecoder::decode(bytes, ImageLayout::Bits16, recovered);
    replaceImage(recovered, path, layout);
    // The file as the edits found it, not as it is now: whatever was written there since is
    // asked about before a save overwrites it. A copy that kept no stamp asks too.
    m_stamp = stamp ? stamp : std::optional(FileStamp {});
    m_history.resetClean(); // no state of the history is what the disk holds
}

void EffectDocument::setLed(int page, int index, std::uint8_t state)
{
    m_image.setSlotEntry(page, index, state);
    Q_EMIT pageChanged(page);
}

void EffectDocument::recordChange(int page, const EffectImage::Page &before, const QString &what)
{
    pushChange(page, before, m_image.page(page), what);
}

bool EffectDocument::paintOn(int page)
{
    const bool finished = m_stroke && m_stroke->page != page;
    if (finished)
        finishStroke();
    if (!m_stroke)
        m_stroke = Stroke {page, m_image.page(page)};
    return finished;
}

void EffectDocument::finishStroke()
{
    if (const std::optional<Stroke> stroke = std::exchange(m_stroke, std::nullopt))
        recordChange(stroke->page, stroke->before, tr("Paint"));
}

void EffectDocument::pushChange(
    int page, const EffectImage::Page &before, const EffectImage::Page &after, const QString &what)
{
    if (after == before)
        return; // no step for nothing
    m_history.push(new PageChangeCommand(
        m_image, page, before, after,
        [this](int changed) {
            m_image.setCurrentPage(static_cast<std::uint16_t>(changed));
            Q_EMIT pageChanged(changed);
        },
        what));
}

bool EffectDocument::maybeSave()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("Untitled") : shownName(m_path);
    switch (m_prompts->ask(DocumentPrompts::Question::SaveChanges, tr("Save changes to %1?").arg(name))) {
    case DocumentPrompts::Answer::Save:
        return save();
    case DocumentPrompts::Answer::Discard:
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
    const std::optional<QString> path
        = m_prompts->savePath(DocumentPrompts::Target::Image, tr("Save As"), suggestedPath(QString()));
    return path && writeTo(*path);
}

bool EffectDocument::writeTo(const QString &path)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path); // as the extension names it
    if (!acceptsEightBitLoss(layout) || !acceptsReplacing(path, layout))
        return false;
    const bool written = reportingErrors([&] { ImageFile::save(path, m_image, layout); });
    if (written) {
        const bool renamed = path != m_path;
        m_path = path;
        m_layout = layout;
        m_stamp = FileStamp::of(path);
        m_history.setClean();
        if (renamed)
            Q_EMIT pathChanged(m_path);
    }
    return written;
}

bool EffectDocument::acceptsReplacing(const QString &path, ImageLayout layout)
{
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (!now)
        return true; // nothing there to lose
    if (path == m_path && m_stamp && *now != *m_stamp
        && m_prompts->ask(DocumentPrompts::Question::OverwriteChangedFile,
               tr("%1 has changed on disk since it was loaded. Overwrite it?").arg(shownName(path)))
            != DocumentPrompts::Answer::Yes)
        return false;
    const qsizetype kept = ImageDecoder::byteCount(layout);
    if (now->regular && now->size > kept
        && m_prompts->ask(DocumentPrompts::Question::ReplaceLongerFile,
               tr("%1 holds %2 bytes; saving keeps only the first %3. Replace it?")
                   .arg(shownName(path))
                   .arg(now->size)
                   .arg(kept))
            != DocumentPrompts::Answer::Yes)
        return false;
    return true;
}

bool EffectDocument::acceptsEightBitLoss(ImageLayout layout)
{
    const QList<int> pages = ImageEncoder::rightHalfLitPages(m_image);
    if (layout != ImageLayout::Bits8 || pages.isEmpty())
        return true;
    const QString text = tr("The 8-bit layout holds the left half of each row only. Lit LEDs in the "
                            "right half are lost on page %1. Save all the same?")
                             .arg(PageRanges::text(pages));
    return m_prompts->ask(DocumentPrompts::Question::AcceptEightBitLoss, text) == DocumentPrompts::Answer::Save;
}

QString EffectDocument::suggestedPath(const QString &extension) const
{
    if (m_path.isEmpty())
        return extension.isEmpty() ? QString() : QStringLiteral("effect") + extension;
    const QFileInfo info(m_path);
    if (!extension.isEmpty())
        return info.absoluteDir().filePath(info.completeBaseName() + extension);
    // The file Save would not write back is never offered for Save As either.
    return ImageFile::holdsMoreThanItsLayout(m_path) ? unusedNameBeside(m_path) : m_path;
}

QString EffectDocument::unusedNameBeside(const QString &path) const
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString candidate
            = info.absoluteDir().filePath(QStringLiteral("%1-%2%3").arg(info.completeBaseName()).arg(n).arg(suffix));
        if (!FileStamp::of(candidate))
            return candidate;
    }
}

void EffectDocument::exportCArray(const QStringList &options)
{
    const std::optional<QString> path = m_prompts->savePath(
        DocumentPrompts::Target::CArray, tr("Export as C Array"), suggestedPath(QStringLiteral(".h")));
    if (!path || !acceptsEightBitLoss(m_layout))
        return;
    reportingErrors([&] {
        writeExport(*path, Exports::make(QStringLiteral("c"), m_image, m_layout, options, ColourSettings(), *path));
    });
}

void EffectDocument::writeExport(const QString &path, const QByteArray &bytes)
{
    reportingErrors([&] {
        QString reason;
        if (!WholeFile::write(path, bytes, &reason))
            throw AppError(tr("Cannot save \"%1\": %2").arg(path, reason));
    });
}

void EffectDocument::exportPicture(const ColourSettings &colours)
{
    const std::optional<QString> path = m_prompts->savePath(
        DocumentPrompts::Target::Picture, tr("Export as PNG"), suggestedPath(QStringLiteral(".png")));
    if (!path)
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PngExport::render(m_image, colours).save(&buffer, "PNG", 9);
    writeExport(*path, png);
}

void EffectDocument::setSelection(const RowSelection &selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    Q_EMIT selectionChanged();
}

QList<int> EffectDocument::targetRows() const
{
    if (!m_selection.isEmpty())
        return m_selection.list();
    return RowSelection::pages(m_image.currentPage(), m_image.currentPage()).list();
}

void EffectDocument::exportFor(const QString &kind, const ColourSettings &colours, int rowsPerSecond)
{
    struct Form
    {
        DocumentPrompts::Target target;
        const char *title;
        const char *extension;
    };
    static const QMap<QString, Form> forms {
        {QStringLiteral("gif"), {DocumentPrompts::Target::Animation, QT_TR_NOOP("Export as Animated GIF"), ".gif"}},
        {QStringLiteral("gif-pages"),
            {DocumentPrompts::Target::Animation, QT_TR_NOOP("Export as GIF of Pages"), "-pages.gif"}},
        {QStringLiteral("hex"), {DocumentPrompts::Target::IntelHex, QT_TR_NOOP("Export as Intel HEX"), ".hex"}},
        {QStringLiteral("srec"), {DocumentPrompts::Target::SRecord, QT_TR_NOOP("Export as S-Record"), ".srec"}},
    };
    const Form form = forms.value(kind);
    const std::optional<QString> path
        = m_prompts->savePath(form.target, tr(form.title), suggestedPath(QString::fromLatin1(form.extension)));
    if (!path || !acceptsEightBitLoss(m_layout))
        return;
    reportingErrors([&] {
        const QStringList settings = kind.startsWith(QLatin1String("gif"))
            ? QStringList {QStringLiteral("rate=%1").arg(rowsPerSecond)}
            : QStringList {};
        writeExport(*path, Exports::make(kind, m_image, m_layout, settings, colours, *path));
    });
}

QMimeData *EffectDocument::copyRows() const
{
    const QByteArray bytes = RowTools::bytes(RowTools::pagesOf(m_image), targetRows());
    auto *data = new QMimeData;
    data->setData(RowsMimeType, bytes);
    data->setText(PageTools::hexText(bytes)); // for a hex editor or a C source
    return data;
}

void EffectDocument::pasteRows(const QMimeData *data)
{
    std::optional<QByteArray> bytes;
    if (data && data->hasFormat(RowsMimeType))
        bytes = PageTools::parseHex(QString::fromLatin1(data->data(RowsMimeType).toHex()));
    else if (data && data->hasText())
        bytes = PageTools::parseHex(data->text());
    if (!bytes) {
        m_prompts->reportError(tr("The clipboard holds no rows: copy some in Glimmerview, or two bytes a row "
                                  "as hex text (\"0x12, 0x34, ...\" or \"1234...\")"));
        return;
    }
    changeRows(tr("Paste"), [&](Pages &pages) { RowTools::paste(pages, targetRows().constFirst(), *bytes); });
}

void EffectDocument::changeAlong(RowTools::Along tool, const QString &what)
{
    changeRows(what, [&](Pages &pages) { RowTools::changeAlong(pages, targetRows(), stringLeds(), tool); });
}

void EffectDocument::clear()
{
    changeAlong(RowTools::Along::Clear, tr("Clear"));
}

void EffectDocument::fill()
{
    changeAlong(RowTools::Along::Fill, tr("Fill"));
}

void EffectDocument::invert()
{
    changeAlong(RowTools::Along::Invert, tr("Invert"));
}

int EffectDocument::stringLeds() const
{
    return m_layout == ImageLayout::Bits8 ? EffectImage::ColumnCount / 2 : EffectImage::ColumnCount;
}

void EffectDocument::shiftAlong(bool towardLedOne, bool wrap)
{
    using A = RowTools::Along;
    const A tool
        = towardLedOne ? (wrap ? A::RotateTowardLedOne : A::ShiftTowardLedOne) : (wrap ? A::RotateAway : A::ShiftAway);
    changeAlong(tool, towardLedOne ? tr("Shift Toward LED 1") : tr("Shift Away From LED 1"));
}

void EffectDocument::mirror()
{
    changeAlong(RowTools::Along::Mirror, tr("Mirror"));
}

void EffectDocument::shiftInTime(bool earlier)
{
    changeRows(earlier ? tr("Shift a Row Earlier") : tr("Shift a Row Later"),
        [&](Pages &pages) { RowTools::shiftInTime(pages, targetRows(), earlier); });
}

void EffectDocument::reverseInTime()
{
    changeRows(tr("Reverse Rows"), [&](Pages &pages) { RowTools::reverse(pages, targetRows()); });
}

void EffectDocument::repeatRows()
{
    const QList<int> rows = targetRows();
    const std::optional<int> count
        = m_prompts->askNumber(tr("Repeat the first rows over all %1 rows. How many rows repeat?").arg(rows.size()), 1,
            static_cast<int>(rows.size()), 1);
    if (count)
        changeRows(tr("Repeat"), [&](Pages &pages) { RowTools::repeat(pages, rows, *count); });
}

void EffectDocument::changeRows(const QString &what, const std::function<void(Pages &)> &change)
{
    const Pages before = RowTools::pagesOf(m_image);
    Pages after = before;
    change(after);
    if (after == before)
        return;
    m_history.push(new PagesChangeCommand(
        m_image, before, after, m_image.currentPage(), [this](int changed) { Q_EMIT pageChanged(changed); }, what));
}

void EffectDocument::insertRows()
{
    const QList<int> rows = targetRows();
    const int count = static_cast<int>(rows.size());
    const int lost = RowTools::litLedsAtEnd(RowTools::pagesOf(m_image), count);
    if (lost > 0
        && m_prompts->ask(DocumentPrompts::Question::AcceptLostLeds,
               tr("Lit LEDs that fall off the end: %1. Insert all the same?").arg(lost))
            != DocumentPrompts::Answer::Yes)
        return;
    changeRows(tr("Insert Rows"), [&](Pages &pages) { RowTools::insertRows(pages, rows.constFirst(), count); });
}

void EffectDocument::deleteRows()
{
    changeRows(tr("Delete Rows"), [&](Pages &pages) { RowTools::deleteRows(pages, targetRows()); });
}

void EffectDocument::putPages(const Pages &pages)
{
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const EffectImage::Page &states = pages[static_cast<std::size_t>(page - 1)];
        if (m_image.page(page) != states) {
            m_image.setPage(page, states);
            Q_EMIT pageChanged(page);
        }
    }
}

void EffectDocument::showPreview(const QList<int> &rows, const QList<RowTools::Frame> &frames)
{
    if (!m_previewed)
        m_previewed = RowTools::pagesOf(m_image);
    Pages pages = *m_previewed;
    RowTools::writeFrames(pages, rows, frames, stringLeds());
    putPages(pages);
}

void EffectDocument::endPreview(bool keep, const QString &what)
{
    if (!m_previewed)
        return;
    const Pages shown = RowTools::pagesOf(m_image);
    putPages(*std::exchange(m_previewed, std::nullopt));
    if (keep)
        changeRows(what, [&](Pages &pages) { pages = shown; });
}
