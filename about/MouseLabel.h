// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that reports the mouse: every press with its button, and a left click.
class MouseLabel : public QLabel
{
    Q_OBJECT

public:
    explicit MouseLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
