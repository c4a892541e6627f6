// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ClockSlider.h"

#include <algorithm>

ClockSlider::ClockSlider(QWidget *parent)
    : QSlider(Qt::Vertical, parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            auto *slider = qobject_cast<ClockSlider *>(object);
            return slider ? new ClockSliderAccessible(slider) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(accessible);
    setRange(SlowestPosition, FastestPosition);
    setValue(DesignPosition);
    // 1 at the top: both the picture and the keys are turned round.
    setInvertedAppearance(true);
    setInvertedControls(true);
    setTickPosition(QSlider::TicksBothSides);
    setAccessibleName(tr("Clock"));
    // Qt reports the position; the rate follows it, for whoever listens.
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent event(this, rowsPerSecond());
        QAccessible::updateAccessibility(&event);
    });
}

QString ClockSlider::rateText(int rowsPerSecond)
{
    return rowsPerSecond == 1 ? tr("1 row a second") : tr("%1 rows a second").arg(rowsPerSecond);
}

ClockSliderAccessible::ClockSliderAccessible(ClockSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

ClockSlider *ClockSliderAccessible::slider() const
{
    return static_cast<ClockSlider *>(widget());
}

QString ClockSliderAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return ClockSlider::rateText(slider()->rowsPerSecond());
    return QAccessibleWidget::text(t);
}

void *ClockSliderAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ClockSliderAccessible::currentValue() const
{
    return slider()->rowsPerSecond();
}

void ClockSliderAccessible::setCurrentValue(const QVariant &value)
{
    const int rate = std::clamp(value.toInt(), int(ClockSlider::SlowestPosition), int(ClockSlider::FastestPosition));
    slider()->setValue(ClockSlider::FastestPosition + ClockSlider::SlowestPosition - rate);
}

QVariant ClockSliderAccessible::maximumValue() const
{
    return int(ClockSlider::FastestPosition);
}

QVariant ClockSliderAccessible::minimumValue() const
{
    return int(ClockSlider::SlowestPosition);
}

QVariant ClockSliderAccessible::minimumStepSize() const
{
    return 1;
}
