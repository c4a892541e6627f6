// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A panel framed by two 1 px bevels, an outer and an inner one, each raised or lowered.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel { Lowered, Raised };

    BevelPanel(Bevel outer, Bevel inner, QWidget *parent = nullptr);

    Bevel outerBevel() const { return m_outer; }
    Bevel innerBevel() const { return m_inner; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_outer;
    Bevel m_inner;
};
