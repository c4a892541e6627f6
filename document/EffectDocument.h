// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/FileStamp.h"
#include "document/DocumentPrompts.h"
#include "effect/EffectImage.h"
#include "effect/ImageDecoder.h"
#include "effect/RowSelection.h"
#include "effect/RowTools.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <optional>

class ColourSettings;
class QMimeData;

// The image as a document: the one owner of the effect, the file it came from and the layout it
// is written in, the edit history and whether it holds changes not yet saved, saving, exporting,
// and the page tools. Every change of the image comes through here and is announced: a whole new
// image by imageReplaced(), a page's LEDs by pageChanged(). Its commands ask and report through
// the prompts given, which the window answers with its dialogs.
class EffectDocument : public QObject
{
    Q_OBJECT

public:
    // The prompts outlive the document. It starts with every LED unlit, and no file.
    explicit EffectDocument(DocumentPrompts &prompts, QObject *parent = nullptr);

    void setPrompts(DocumentPrompts &prompts) { m_prompts = &prompts; }
    QUndoStack *history() { return &m_history; }
    QString path() const { return m_path; }
    ImageLayout layout() const { return m_layout; }
    bool isModified() const { return !m_history.isClean(); }
    const EffectImage &image() const { return m_image; }

    // The page the window shows, 1..64: the one that page edits and tools act on. Showing it is
    // the window's business, so nothing is announced.
    void setCurrentPage(int page) { m_image.setCurrentPage(static_cast<std::uint16_t>(page)); }
    // The rows the tools act on, chosen in the overview or the time strip; none: the shown page.
    // A new image lets it go.
    const RowSelection &selection() const { return m_selection; }
    void setSelection(const RowSelection &selection);
    // The selection's rows, or the shown page's when there is none: what the tools act on.
    QList<int> targetRows() const;
    // The LEDs of the string the layout drives: 16, or 8 for the 8-LED layout.
    int stringLeds() const;

    // The image replaced whole, page 1 current, its edits started anew. `path` is the file it
    // belongs to (empty: none, as for the chip's).
    void replaceImage(const EffectImage &image, const QString &path, ImageLayout layout);
    // File › New: every LED unlit, no file, in `layout`; the unsaved changes question first.
    // False when the user would rather keep the image.
    bool startNew(ImageLayout layout);
    // Loads the image file at `path`. Throws AppError when it cannot be read, the image unchanged.
    void load(const QString &path);
    // Edits a run before this one left unsaved: the image `bytes` (16-bit layout) for the file at
    // `path` as `stamp` found it (nothing: unknown). They count as unsaved.
    void recover(
        const QString &path, ImageLayout layout, const QByteArray &bytes, const std::optional<FileStamp> &stamp);
    // Sets one LED (index 0..255) of `page`: an edit under way, which recordChange() or a stroke
    // makes a step of the history.
    void setLed(int page, int index, std::uint8_t state);
    // The file as it was loaded or last saved: what a save checks it against.
    std::optional<FileStamp> fileStamp() const { return m_stamp; }
    // An edit made to `page` with setLed(): one step of the history.
    void recordChange(int page, const EffectImage::Page &before, const QString &what);
    // A right-button stroke paints on `page` next (before the LED changes). A stroke under way on
    // another page (the preview turned it) becomes its step first, and true is returned; the
    // stroke goes on as a new one here.
    bool paintOn(int page);
    // The button is let go: every LED the stroke changed on its page is one step.
    void finishStroke();
    // With changes not yet saved: "Save changes to <file>?" Save, Discard or Cancel. True when
    // the caller may go on (saved, discarded, or nothing to save).
    bool maybeSave();
    // Asks before the right half of rows with lit LEDs is lost to the 8-bit layout (a save or a
    // write to the chip); false when the user would rather not lose it.
    bool acceptsEightBitLoss(ImageLayout layout);

Q_SIGNALS:
    // The whole image is new (loaded, read from the chip, recovered); page 1 is current.
    void imageReplaced();
    // LEDs of `page` changed: by an edit, undo, redo or a page tool. Undo and redo make the page
    // they change the current one first, so the window shows it.
    void pageChanged(int page);
    void selectionChanged();
    // The document now belongs to another file (loaded, saved as, recovered).
    void pathChanged(const QString &path);

public Q_SLOTS:
    bool save();
    bool saveAs();
    // `options` as --export c takes them (values=, leftmost=, progmem=); none: bytes as the chip
    // holds them.
    void exportCArray(const QStringList &options = {});
    void exportPicture(const ColourSettings &colours);
    // An export for other tools: "gif" and "gif-pages" (animations at `rowsPerSecond`, in
    // `colours`), "hex" and "srec" (for universal programmers).
    void exportFor(const QString &kind, const ColourSettings &colours, int rowsPerSecond);
    // The tools below act on targetRows(), each as one step of the history.
    // Those rows for the clipboard: in a form of its own, and as hex text, two bytes a row.
    QMimeData *copyRows() const;
    // Rows from the clipboard written from the first of targetRows() on; what runs past the last
    // row is cut. Reports data that holds no rows.
    void pasteRows(const QMimeData *data);
    void clear();
    void fill();
    void invert();
    // Along the string of the layout.
    void shiftAlong(bool towardLedOne, bool wrap);
    void mirror();
    // In time, wrapping within the rows.
    void shiftInTime(bool earlier);
    void reverseInTime();
    // The rows after the first few (asked how many) repeat those: a hold is a repeated row.
    void repeatRows();
    // As many unlit rows as targetRows() holds, before the first of them, the later rows pushed
    // on; lit LEDs pushed off the end are asked about first.
    void insertRows();
    // Those rows gone, the later rows pulled in, unlit rows at the end.
    void deleteRows();

public:
    using Pages = RowTools::Pages;
    // All pages changed by `change` as one step of the history named `what` (none if nothing
    // changed).
    void changeRows(const QString &what, const std::function<void(Pages &)> &change);
    // A preview shown while a dialog's settings change: `frames` written one a row into `rows` of
    // the image as it was before the preview, without a step of the history. endPreview() puts
    // the image back, and keeps the last preview as one step named `what` when `keep`.
    void showPreview(const QList<int> &rows, const QList<RowTools::Frame> &frames);
    void endPreview(bool keep, const QString &what);

private:
    bool writeTo(const QString &path);
    // Writes an export whole, or shows why it could not.
    void writeExport(const QString &path, const QByteArray &bytes);
    // False when the user would rather keep the file at `path` as it is: changed by another
    // program since it was read, or holding more bytes than the layout writes.
    bool acceptsReplacing(const QString &path, ImageLayout layout);
    void changeAlong(RowTools::Along tool, const QString &what);
    // Shows `pages` without a step of the history, announcing each page that changes.
    void putPages(const Pages &pages);
    // One step of the history; its first redo makes `after` the page's content.
    void pushChange(int page, const EffectImage::Page &before, const EffectImage::Page &after, const QString &what);
    QString suggestedPath(const QString &extension) const;
    // A name beside the loaded file that names no file yet.
    QString unusedNameBeside(const QString &path) const;

    // False when the work raised an error, which has been reported.
    template<typename Work>
    bool reportingErrors(Work &&work);

    EffectImage m_image;
    DocumentPrompts *m_prompts;
    QUndoStack m_history;
    QString m_path; // empty: nothing loaded
    ImageLayout m_layout = ImageLayout::Bits16;
    std::optional<FileStamp> m_stamp; // the file as it was read or last written
    struct Stroke
    {
        int page;
        EffectImage::Page before;
    };
    std::optional<Stroke> m_stroke; // a right-button stroke under way
    RowSelection m_selection;
    std::optional<Pages> m_previewed; // the pages as they were before a preview
};
