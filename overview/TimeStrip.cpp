// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "overview/TimeStrip.h"

#include "compare/ComparisonSession.h"
#include "effect/EffectImage.h"
#include "effect/LedColours.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int LedsTop = TimeStrip::CaptionHeight;
constexpr int LedsHeight = EffectImage::ColumnCount * TimeStrip::LedHeight;
constexpr int BandTop = LedsTop + LedsHeight + 1;
constexpr int StripHeight = BandTop + TimeStrip::DifferenceBandHeight + 1;
constexpr int RowsPerPage = EffectImage::RowCount;
constexpr int MinCaptionSpacing = 22; // px between two page numbers, so that they stay apart
} // namespace

TimeStrip::TimeStrip(
    const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_image(image)
    , m_colours(colours)
    , m_comparison(comparison)
    , m_leds(TimeAxis::RowCount, EffectImage::ColumnCount, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("timeStrip"));
    setAccessibleName(tr("Time strip"));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // the strip's height never changes
    viewport()->setMouseTracking(true);
    setFixedHeight(sizeHint().height());
    m_stalePages.set();
    describe(0);
}

QSize TimeStrip::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {256 + frame, StripHeight + horizontalScrollBar()->sizeHint().height() + frame};
}

int TimeStrip::scroll() const
{
    return horizontalScrollBar()->value();
}

int TimeStrip::rowAt(QPoint point) const
{
    if (point.y() < 0 || point.y() >= StripHeight)
        return -1;
    return m_axis.rowAt(point.x() + scroll());
}

QRect TimeStrip::ledRect(int index, int column) const
{
    return {m_axis.left(index) - scroll(), LedsTop + column * LedHeight, m_axis.pixelsPerRow(), LedHeight};
}

void TimeStrip::zoom(int steps, int anchor)
{
    const int scrolled = m_axis.zoom(steps, anchor, scroll());
    updateScrollRange();
    horizontalScrollBar()->setValue(scrolled);
    viewport()->update();
}

void TimeStrip::refresh()
{
    m_stalePages.set();
    viewport()->update();
}

void TimeStrip::refreshPage(int page)
{
    if (!EffectImage::isValidPage(page))
        return;
    m_stalePages.set(static_cast<std::size_t>(page - 1));
    const int first = TimeAxis::rowIndex(page, 0);
    viewport()->update(QRect(m_axis.left(first) - scroll(), 0, RowsPerPage * m_axis.pixelsPerRow(), StripHeight));
}

void TimeStrip::showPlayingRow(int index)
{
    if (index == m_playingRow)
        return;
    const int width = viewport()->width();
    const auto inView
        = [&](int row) { return row >= 0 && m_axis.left(row) >= scroll() && m_axis.left(row + 1) <= scroll() + width; };
    const bool follow = (m_playingRow < 0 || inView(m_playingRow)) && index >= 0 && !inView(index);
    const auto rowArea
        = [&](int row) { return QRect(m_axis.left(row) - scroll() - 2, 0, m_axis.pixelsPerRow() + 4, StripHeight); };
    if (m_playingRow >= 0)
        viewport()->update(rowArea(m_playingRow));
    m_playingRow = index;
    if (follow)
        scrollTo(index);
    if (m_playingRow >= 0)
        viewport()->update(rowArea(m_playingRow));
}

void TimeStrip::scrollTo(int index)
{
    horizontalScrollBar()->setValue(m_axis.left(index) - viewport()->width() / 8);
}

void TimeStrip::updateScrollRange()
{
    QScrollBar *bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, m_axis.length() - viewport()->width()));
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(RowsPerPage * m_axis.pixelsPerRow() / 2);
}

void TimeStrip::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TimeStrip::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TimeStrip::drawStalePages()
{
    if (m_stalePages.none())
        return;
    const LedColours shades(m_colours);
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        if (!m_stalePages.test(static_cast<std::size_t>(page - 1)))
            continue;
        const EffectImage::Page &leds = m_image.page(page);
        const int first = TimeAxis::rowIndex(page, 0);
        for (int column = 0; column < EffectImage::ColumnCount; ++column) {
            auto *line = reinterpret_cast<QRgb *>(m_leds.scanLine(column)) + first;
            for (int row = 0; row < RowsPerPage; ++row) {
                const bool lit
                    = leds[static_cast<std::size_t>(row * EffectImage::ColumnCount + column)] == EffectImage::On;
                line[row] = shades.led(column, lit);
            }
        }
    }
    m_stalePages.reset();
}

void TimeStrip::paintEvent(QPaintEvent *event)
{
    drawStalePages();
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    const int first = std::max(0, m_axis.rowAt(std::max(0, event->rect().left() + scroll())));
    int last = m_axis.rowAt(event->rect().right() + scroll());
    if (last < 0)
        last = TimeAxis::RowCount - 1;
    const int count = last - first + 1;
    // One pixel a LED, widened to the zoom without smoothing: sharp at any device pixel ratio.
    painter.drawImage(QRect(m_axis.left(first) - scroll(), LedsTop, count * m_axis.pixelsPerRow(), LedsHeight), m_leds,
        QRect(first, 0, count, EffectImage::ColumnCount));
    QColor shade = palette().color(QPalette::Highlight);
    shade.setAlpha(110);
    for (int row = first; row <= last;) { // a run of chosen rows at a time
        int end = row;
        while (end <= last && m_selection.contains(end))
            ++end;
        if (end > row)
            painter.fillRect(
                QRect(m_axis.left(row) - scroll(), LedsTop, (end - row) * m_axis.pixelsPerRow(), LedsHeight), shade);
        row = end + 1;
    }
    drawPageBoundaries(painter, first, last);
    if (m_comparison.isActive())
        drawDifferences(painter, first, last);
    if (m_playingRow >= first && m_playingRow <= last)
        drawRowFrame(painter, m_playingRow, QPen(palette().color(QPalette::Highlight), 2));
    if (hasFocus() && m_keyboardRow >= first && m_keyboardRow <= last)
        drawRowFrame(painter, m_keyboardRow, QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
}

void TimeStrip::drawPageBoundaries(QPainter &painter, int first, int last) const
{
    const int pageWidth = RowsPerPage * m_axis.pixelsPerRow();
    int captionEvery = 1; // pages, a power of two
    while (captionEvery * pageWidth < MinCaptionSpacing)
        captionEvery *= 2;
    QFont small = painter.font();
    small.setPixelSize(CaptionHeight - 2);
    painter.setFont(small);
    // From the page before the first row, so that a caption running into view is drawn whole.
    for (int page = std::max(1, TimeAxis::placeOf(first).page - 1); page <= TimeAxis::placeOf(last).page; ++page) {
        const int x = m_axis.left(TimeAxis::rowIndex(page, 0)) - scroll();
        // Ticks above and below the LEDs: a line across them would hide a row at narrow zooms.
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(x, 0, x, LedsTop - 1);
        painter.drawLine(x, BandTop, x, BandTop + DifferenceBandHeight);
        if ((page - 1) % captionEvery == 0) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(x + 2, 0, captionEvery * pageWidth, CaptionHeight), Qt::AlignLeft | Qt::AlignVCenter,
                QString::number(page));
        }
    }
}

void TimeStrip::drawDifferences(QPainter &painter, int first, int last) const
{
    const ImageComparison &differences = m_comparison.differences();
    const int width = m_axis.pixelsPerRow();
    const int tick = std::min(width, 2); // the LED's own colour stays readable beside it
    for (int index = first; index <= last; ++index) {
        const TimeAxis::Place place = TimeAxis::placeOf(index);
        if (differences.differingLeds(place.page) == 0) {
            index = TimeAxis::rowIndex(place.page, RowsPerPage - 1); // the whole page is the same
            continue;
        }
        bool rowDiffers = false;
        for (int column = 0; column < EffectImage::ColumnCount; ++column) {
            if (!differences.differs(place.page, place.row * EffectImage::ColumnCount + column))
                continue;
            rowDiffers = true;
            const QRect led = ledRect(index, column);
            painter.fillRect(QRect(led.topLeft(), QSize(tick, 2)), Qt::white);
        }
        if (rowDiffers)
            painter.fillRect(QRect(m_axis.left(index) - scroll(), BandTop, width, DifferenceBandHeight), Qt::red);
    }
}

void TimeStrip::drawRowFrame(QPainter &painter, int index, const QPen &pen) const
{
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(m_axis.left(index) - scroll() - 1, LedsTop - 1, m_axis.pixelsPerRow() + 1, LedsHeight + 1));
}

void TimeStrip::mousePressEvent(QMouseEvent *event)
{
    const int index = rowAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    viewport()->update();
    if (event->modifiers() & Qt::ShiftModifier) { // from the last row clicked or reached by the keys
        if (m_anchorRow < 0)
            m_anchorRow = m_keyboardRow;
        m_keyboardRow = index;
        Q_EMIT selectionRequested(RowSelection::rows(m_anchorRow, index));
        return;
    }
    m_keyboardRow = index;
    m_anchorRow = index;
    Q_EMIT selectionRequested({});
    const TimeAxis::Place place = TimeAxis::placeOf(index);
    Q_EMIT rowChosen(place.page, place.row);
}

void TimeStrip::mouseMoveEvent(QMouseEvent *event)
{
    const int index = rowAt(event->position().toPoint());
    if (index >= 0) {
        describe(index);
        if (event->buttons() & Qt::LeftButton && m_anchorRow >= 0 && index != m_keyboardRow) {
            m_keyboardRow = index;
            Q_EMIT selectionRequested(RowSelection::rows(m_anchorRow, index));
        }
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void TimeStrip::showSelection(const RowSelection &selection)
{
    m_selection = selection;
    viewport()->update();
}

void TimeStrip::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        if (const int delta = event->angleDelta().y(); delta != 0)
            zoom(delta > 0 ? 1 : -1, event->position().toPoint().x());
        event->accept();
        return;
    }
    // A plain wheel runs along the time axis: the strip has no other direction to scroll.
    QWheelEvent along(event->position(), event->globalPosition(), event->pixelDelta(),
        event->angleDelta().y() != 0 ? QPoint(event->angleDelta().y(), 0) : event->angleDelta(), event->buttons(),
        event->modifiers(), event->phase(), event->inverted());
    QAbstractScrollArea::wheelEvent(&along);
    event->setAccepted(along.isAccepted());
}

void TimeStrip::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    int row = m_keyboardRow;
    // Shift chooses the rows from where it was first held to where the keys go.
    const auto moveKeyboardRow = [this, event, row](int index) {
        this->moveKeyboardRow(index);
        if (!(event->modifiers() & Qt::ShiftModifier)) {
            m_anchorRow = m_keyboardRow;
            return;
        }
        if (m_anchorRow < 0)
            m_anchorRow = row;
        Q_EMIT selectionRequested(RowSelection::rows(m_anchorRow, m_keyboardRow));
    };
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // plus without Shift on many keyboards
        if (!control)
            break;
        zoom(1, m_axis.left(m_keyboardRow) - scroll());
        return;
    case Qt::Key_Minus:
        if (!control)
            break;
        zoom(-1, m_axis.left(m_keyboardRow) - scroll());
        return;
    case Qt::Key_Left:
        moveKeyboardRow(row - 1);
        return;
    case Qt::Key_Right:
        moveKeyboardRow(row + 1);
        return;
    case Qt::Key_PageUp:
        moveKeyboardRow(row - RowsPerPage);
        return;
    case Qt::Key_PageDown:
        moveKeyboardRow(row + RowsPerPage);
        return;
    case Qt::Key_Home:
        moveKeyboardRow(0);
        return;
    case Qt::Key_End:
        moveKeyboardRow(TimeAxis::RowCount - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        const TimeAxis::Place place = TimeAxis::placeOf(m_keyboardRow);
        Q_EMIT rowChosen(place.page, place.row);
        return;
    }
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TimeStrip::moveKeyboardRow(int index)
{
    m_keyboardRow = std::clamp(index, 0, TimeAxis::RowCount - 1);
    const int left = m_axis.left(m_keyboardRow);
    if (left < scroll() || left + m_axis.pixelsPerRow() > scroll() + viewport()->width())
        scrollTo(m_keyboardRow);
    viewport()->update();
    describe(m_keyboardRow);
}

void TimeStrip::describe(int index)
{
    const TimeAxis::Place place = TimeAxis::placeOf(index);
    const QString description = tr("Page %1, row %2").arg(place.page).arg(place.row + 1);
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
