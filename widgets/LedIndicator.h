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
// place on the panel and its glyph; what the glyph means is the owner's business, who also tells
// assistive technology what the indicator is: its name, whether it is a lit-or-unlit LED, and
// whether it can be pressed.
class LedIndicator : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize FaceSize {23, 22};
    // Glyphs are centred as if they were this wide and high, which puts the 19x19 pictures at
    // (2,2) in a face, where they were drawn to sit.
    static constexpr int GlyphCentringSize = 18;

    // The indicator belongs to `panel`, which draws it through `surface`.
    LedIndicator(const QString &name, QRect geometry, QWidget *panel, IndicatorSurface &surface);

    QWidget *panel() const;
    QRect geometry() const { return m_geometry; }
    // Where the 19x19 glyph sits: centred, (2,2) in a 23x22 face.
    QPoint glyphOffset() const
    {
        return {(m_geometry.width() - GlyphCentringSize) / 2, (m_geometry.height() - GlyphCentringSize) / 2};
    }

    // The glyph must outlive the indicator (the process-wide bitmaps do); nullptr: an empty face.
    const QImage *glyph() const { return m_glyph; }
    void setGlyph(const QImage *glyph);

    QString accessibleName() const { return m_accessibleName; }
    bool isCheckable() const { return m_checkable; }
    bool isPressable() const { return m_pressable; }
    void setAccessibility(const QString &name, bool checkable, bool pressable);
    bool isLit() const { return m_lit; }
    void setLit(bool lit);
    // Marked: a small tick in the top-right corner (an LED that differs from a reference), which
    // leaves the LED's own state and colour readable.
    bool isMarked() const { return m_marked; }
    void setMarked(bool marked);

private:
    IndicatorSurface &m_surface;
    QRect m_geometry;
    const QImage *m_glyph = nullptr;
    QString m_accessibleName;
    bool m_checkable = false;
    bool m_pressable = false;
    bool m_lit = false;
    bool m_marked = false;
};
