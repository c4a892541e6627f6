// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class Announcer;
class ComparisonSession;
class EffectImage;
class LedPanel;
class QLabel;
class QMainWindow;

// What a comparison shows in the main window: a tick on each matrix LED of the shown page that
// differs from the reference, and a status line under the window, "N pages differ, M LEDs" or
// "Same as <file>", there only while comparing.
class ComparisonView : public QObject
{
    Q_OBJECT

public:
    ComparisonView(ComparisonSession &session, LedPanel &matrix, const EffectImage &image, QMainWindow *window);

    QString statusText() const;

public Q_SLOTS:
    // The marks for the page the image shows now.
    void showMarks();
    // Tells a screen reader what the status line says (a comparison made, a difference walked to).
    void announceStatus();

private:
    void refresh();

    ComparisonSession &m_session;
    LedPanel &m_matrix;
    const EffectImage &m_image;
    QMainWindow *m_window;
    QLabel *m_status = nullptr; // made with the first comparison
    Announcer *m_announcer = nullptr; // beside it
};
