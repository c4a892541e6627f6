// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QSlider>

// The preview clock: its position 1 (top) to 20 (bottom) stands for 20 down to 1 rows a second.
// Assistive technology reads the rate, not the position: "13 rows a second", within 1..20.
class ClockSlider : public QSlider
{
    Q_OBJECT

public:
    static constexpr int SlowestPosition = 1;
    static constexpr int FastestPosition = 20;
    // Where the clock stands until the settings say otherwise; no rate follows from it, as the
    // preview keeps its own first interval.
    static constexpr int DesignPosition = 10;

    explicit ClockSlider(QWidget *parent = nullptr);

    int rowsPerSecond() const { return FastestPosition + SlowestPosition - value(); }
    static QString rateText(int rowsPerSecond);
};

class ClockSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ClockSliderAccessible(ClockSlider *slider);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    ClockSlider *slider() const;
};
