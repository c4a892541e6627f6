// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Keeps a window where the user can reach it: a stored position may lie off every screen (after
// a move from a larger screen, or a hand-edited file).
class ScreenFit
{
public:
    // How much of the title bar must lie on a screen for the window to be grabbed and moved.
    static constexpr int MinimumGrip = 48;
    // A title bar's height where the frame is not known yet (before the first show).
    static constexpr int MinimumTitleHeight = 24;

    // The available area of every screen, in global coordinates.
    static QList<QRect> workAreas();

    // The top-left corner for a window frame `frame` (global coordinates) whose title bar is
    // `titleHeight` high. Unchanged when enough of the title bar lies on one of `workAreas`;
    // otherwise on the nearest work area: the whole window where it fits, else its top-left
    // part (title and menu). Unchanged when there are no work areas.
    static QPoint reachablePosition(const QRect &frame, int titleHeight, const QList<QRect> &workAreas);

private:
    static bool isReachable(const QRect &frame, int titleHeight, const QList<QRect> &workAreas);
    static QRect nearest(const QRect &frame, const QList<QRect> &workAreas);
    static int placedOn(int start, int length, int areaStart, int areaLength);
};
