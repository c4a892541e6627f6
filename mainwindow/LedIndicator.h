// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRect>

class LedPanel;
class QImage;

// One LED indicator: a flat 23x22 image button drawn by its panel. It carries its name
// ("SpeedButton<n>"), its place on the panel, the state text ("On", "Off", or empty before it
// is first set) that records what it shows, and its glyph.
class LedIndicator : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize FaceSize {23, 22};

    LedIndicator(const QString &name, QRect geometry, LedPanel *panel);

    LedPanel *panel() const;
    QRect geometry() const { return m_geometry; }
    // Where the 19x19 glyph sits: centred, (2,2) in a 23x22 face.
    QPoint glyphOffset() const { return {(m_geometry.width() - 18) / 2, (m_geometry.height() - 18) / 2}; }

    const QString &stateText() const { return m_stateText; }
    void setStateText(const QString &text) { m_stateText = text; }

    // The glyph must outlive the indicator (the process-wide bitmaps do); nullptr: an empty face.
    const QImage *glyph() const { return m_glyph; }
    void setGlyph(const QImage *glyph);

private:
    QRect m_geometry;
    QString m_stateText;
    const QImage *m_glyph = nullptr;
};
