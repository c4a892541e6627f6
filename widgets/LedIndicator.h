// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRect>

class LedIndicator;
class QImage;
class QWidget;

// What draws indicators: told whenever one of them needs drawing again.
class IndicatorSurface
{
public:
    virtual void repaintIndicator(const LedIndicator *indicator) = 0;

protected:
    ~IndicatorSurface() = default;
};

// One LED indicator: a flat 23x22 image button drawn by its panel. It carries its name, its
// place on the panel and its glyph; what the glyph means is the owner's business.
class LedIndicator : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize FaceSize {23, 22};

    // The indicator belongs to `panel`, which draws it through `surface`.
    LedIndicator(const QString &name, QRect geometry, QWidget *panel, IndicatorSurface &surface);

    QWidget *panel() const;
    QRect geometry() const { return m_geometry; }
    // Where the 19x19 glyph sits: centred, (2,2) in a 23x22 face.
    QPoint glyphOffset() const { return {(m_geometry.width() - 18) / 2, (m_geometry.height() - 18) / 2}; }

    // The glyph must outlive the indicator (the process-wide bitmaps do); nullptr: an empty face.
    const QImage *glyph() const { return m_glyph; }
    void setGlyph(const QImage *glyph);

private:
    IndicatorSurface &m_surface;
    QRect m_geometry;
    const QImage *m_glyph = nullptr;
};
