// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

QList<QRect> ScreenFit::workAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

bool ScreenFit::isReachable(const QRect &frame, int titleHeight, const QList<QRect> &workAreas)
{
    const QRect title(frame.topLeft(), QSize(frame.width(), std::max(titleHeight, 1)));
    const int wide = std::min(MinimumGrip, frame.width());
    const int high = std::min(MinimumGrip / 4, title.height());
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const QRect &area) {
        const QRect shown = area.intersected(title);
        return shown.width() >= wide && shown.height() >= high;
    });
}

QRect ScreenFit::nearest(const QRect &frame, const QList<QRect> &workAreas)
{
    const QPoint centre = frame.center();
    QRect best;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect &area : workAreas) {
        const long long dx = std::max({area.left() - centre.x(), 0, centre.x() - area.right()});
        const long long dy = std::max({area.top() - centre.y(), 0, centre.y() - area.bottom()});
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = area;
        }
    }
    return best;
}

int ScreenFit::placedOn(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart; // too large: its start stays in view
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

QPoint ScreenFit::reachablePosition(const QRect &frame, int titleHeight, const QList<QRect> &workAreas)
{
    if (workAreas.isEmpty() || isReachable(frame, titleHeight, workAreas))
        return frame.topLeft();
    const QRect area = nearest(frame, workAreas);
    return {placedOn(frame.x(), frame.width(), area.x(), area.width()),
        placedOn(frame.y(), frame.height(), area.y(), area.height())};
}
