// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "overview/PagesView.h"

#include "common/ColourSettings.h"
#include "compare/ComparisonSession.h"
#include "effect/EffectImage.h"
#include "effect/LedColours.h"
#include "overview/PagesViewAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {
constexpr int PictureSide = EffectImage::ColumnCount * PagesView::LedPitch;
constexpr int Margin = 4; // px round a picture: its frame outside, the playing row's bars inside
constexpr int CaptionHeight = 10;
constexpr int CellWidth = PictureSide + 2 * Margin;
constexpr int CellHeight = PictureSide + 2 * Margin + CaptionHeight;
constexpr int Rows = EffectImage::PageCount / PagesView::PagesPerRow;

} // namespace

PagesView::PagesView(
    const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison, QWidget *parent)
    : QWidget(parent)
    , m_image(image)
    , m_colours(colours)
    , m_comparison(comparison)
{
    // Before anything that tells assistive technology of this view: the first interface asked for
    // is the one it keeps.
    PagesViewAccessible::installFactory();
    setObjectName(QStringLiteral("pagesView"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Pages"));
    setMinimumSize(sizeHint());
}

QSize PagesView::sizeHint() const
{
    return {PagesPerRow * CellWidth, Rows * CellHeight};
}

QRect PagesView::pageRect(int page) const
{
    const int index = page - 1;
    return {(index % PagesPerRow) * CellWidth, (index / PagesPerRow) * CellHeight, CellWidth, CellHeight};
}

QRect PagesView::pictureRect(int page) const
{
    return {pageRect(page).topLeft() + QPoint(Margin, Margin), QSize(PictureSide, PictureSide)};
}

int PagesView::litLeds(int page) const
{
    const EffectImage::Page &leds = m_image.page(page);
    return static_cast<int>(std::count(leds.begin(), leds.end(), EffectImage::On));
}

void PagesView::moveKeyboardPage(int page)
{
    update(pageRect(m_keyboardPage));
    m_keyboardPage = page;
    update(pageRect(m_keyboardPage));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(page - 1);
        QAccessible::updateAccessibility(&event);
    }
}

int PagesView::pageAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= PagesPerRow * CellWidth || point.y() >= Rows * CellHeight)
        return 0;
    return point.y() / CellHeight * PagesPerRow + point.x() / CellWidth + 1;
}

void PagesView::refresh()
{
    for (QImage &picture : m_pictures)
        picture = QImage();
    update();
}

void PagesView::refreshPage(int page)
{
    if (!EffectImage::isValidPage(page))
        return;
    m_pictures[static_cast<std::size_t>(page - 1)] = QImage();
    update(pageRect(page));
}

void PagesView::showPlayingRow(int page, int row)
{
    if (page == m_playingPage && row == m_playingRow)
        return;
    if (EffectImage::isValidPage(m_playingPage))
        update(pageRect(m_playingPage));
    m_playingPage = page;
    m_playingRow = row;
    if (EffectImage::isValidPage(m_playingPage))
        update(pageRect(m_playingPage));
}

void PagesView::followShownPage()
{
    const int shown = m_image.currentPage();
    if (shown == m_framedPage || !EffectImage::isValidPage(shown))
        return;
    const int before = std::exchange(m_framedPage, shown);
    update(pageRect(before));
    update(pageRect(m_framedPage));
    if (QAccessible::isActive()) { // the shown page is the selected item
        QAccessible::State selection;
        selection.selected = true;
        for (const int page : {before, shown}) {
            QAccessibleStateChangeEvent event(this, selection);
            event.setChild(page - 1);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void PagesView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    moveKeyboardPage(m_keyboardPage); // the page the arrows start from is the focused item
}

const QImage &PagesView::picture(int page, const LedColours &shades) const
{
    // A pixel a LED, 1 KiB a page; painting blows it up to whole device pixels, as the matrix is.
    QImage &picture = m_pictures[static_cast<std::size_t>(page - 1)];
    if (!picture.isNull())
        return picture;
    picture = QImage(EffectImage::ColumnCount, EffectImage::RowCount, QImage::Format_RGB32);
    const EffectImage::Page &leds = m_image.page(page);
    for (int row = 0; row < EffectImage::RowCount; ++row) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(row));
        for (int column = 0; column < EffectImage::ColumnCount; ++column)
            line[column] = shades.led(
                column, leds[static_cast<std::size_t>(row * EffectImage::ColumnCount + column)] == EffectImage::On);
    }
    return picture;
}

void PagesView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const LedColours shades(m_colours);
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const QRect cell = pageRect(page);
        if (!event->region().intersects(cell))
            continue;
        const QRect picture = pictureRect(page);
        if (m_selection.holdsPage(page)) {
            QColor shade = palette().color(QPalette::Highlight);
            shade.setAlpha(110);
            painter.fillRect(cell, shade);
        }
        for (int row = 0; row < EffectImage::RowCount;) { // chosen rows: a bar at the left, a run at a time
            int end = row;
            while (end < EffectImage::RowCount && m_selection.contains((page - 1) * EffectImage::RowCount + end))
                ++end;
            if (end > row)
                painter.fillRect(QRect(picture.left() - 6, picture.top() + row * LedPitch, 2, (end - row) * LedPitch),
                    palette().color(QPalette::Highlight));
            row = end + 1;
        }
        painter.drawImage(picture, this->picture(page, shades)); // unsmoothed: sharp LEDs
        if (page == m_framedPage) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(picture.adjusted(-3, -3, 2, 2));
        }
        if (page == m_playingPage) {
            // Bars either side of the row being played, inside the frame.
            const QRect row(picture.left(), picture.top() + m_playingRow * LedPitch, picture.width(), LedPitch);
            const QColor bar = palette().color(QPalette::WindowText);
            painter.fillRect(QRect(row.left() - 2, row.top(), 2, row.height()), bar);
            painter.fillRect(QRect(row.right() + 1, row.top(), 2, row.height()), bar);
        }
        if (hasFocus() && page == m_keyboardPage) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
        const QRect caption(cell.left() + 1, picture.bottom() + 2, cell.width() - 2, CaptionHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        const int differing = m_comparison.isActive() ? m_comparison.differences().differingLeds(page) : 0;
        QString text = QString::number(page);
        if (differing > 0) {
            painter.setPen(Qt::red); // a page that differs from the reference, and by how many LEDs
            text += QStringLiteral(" \u2260%1").arg(differing);
        }
        // Within its own cell, never into the neighbour's: a smaller font where the text is wide.
        painter.save();
        painter.setClipRect(caption);
        painter.setFont(captionFont(font(), text, caption.width()));
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, text);
        painter.restore();
    }
}

QFont PagesView::captionFont(const QFont &base, const QString &text, int width)
{
    constexpr int SmallestPixels = 6;
    QFont font = base;
    if (QFontMetrics(font).horizontalAdvance(text) <= width)
        return font;
    for (int pixels = QFontMetrics(font).height(); pixels > SmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPixelSize(SmallestPixels);
    return font;
}

void PagesView::mousePressEvent(QMouseEvent *event)
{
    const int page = pageAt(event->position().toPoint());
    if (page == 0 || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_keyboardPage = page;
    if (event->modifiers() & Qt::ShiftModifier) {
        chooseUpTo(page);
    } else if (event->modifiers() & Qt::ControlModifier) {
        RowSelection chosen = m_selection;
        chosen.toggle(RowSelection::pages(page, page));
        m_anchorPage = page;
        Q_EMIT selectionRequested(chosen);
    } else {
        m_anchorPage = page;
        Q_EMIT selectionRequested({});
        Q_EMIT pageChosen(page);
    }
    update();
}

void PagesView::chooseUpTo(int page)
{
    Q_EMIT selectionRequested(RowSelection::pages(m_anchorPage > 0 ? m_anchorPage : m_framedPage, page));
}

void PagesView::showSelection(const RowSelection &selection)
{
    m_selection = selection;
    if (selection.isEmpty())
        m_anchorPage = 0;
    update();
}

void PagesView::keyPressEvent(QKeyEvent *event)
{
    int page = m_keyboardPage;
    switch (event->key()) {
    case Qt::Key_Left:
        page -= 1;
        break;
    case Qt::Key_Right:
        page += 1;
        break;
    case Qt::Key_Up:
        page -= PagesPerRow;
        break;
    case Qt::Key_Down:
        page += PagesPerRow;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT pageChosen(m_keyboardPage);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!EffectImage::isValidPage(page))
        return;
    moveKeyboardPage(page);
    if (event->modifiers() & Qt::ShiftModifier)
        chooseUpTo(page);
}
