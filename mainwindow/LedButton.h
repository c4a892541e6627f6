// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

class QImage;

// A flat 23x22 LED indicator. It paints its 19x19 glyph itself at (2,2), or at (3,3) inside a
// sunken frame while the left button holds it (Qt would shrink an icon to 16x16), a thin raised
// frame while the pointer is over it, and an empty face when it has no glyph.
//
// The state text ("On", "Off", or empty before the first set) records what it shows.
class LedButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr QSize FaceSize {23, 22};

    explicit LedButton(QWidget *parent = nullptr);

    const QString &stateText() const { return m_stateText; }
    void setStateText(const QString &text) { m_stateText = text; }

    // The glyph must outlive the button (the process-wide bitmaps do); nullptr shows an empty face.
    const QImage *glyph() const { return m_glyph; }
    void setGlyph(const QImage *glyph);

    QSize sizeHint() const override { return FaceSize; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_stateText;
    const QImage *m_glyph = nullptr;
};
