// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "station/Station.h"

#include <QDialog>
#include <memory>

class Announcer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShortcut;

// Chip › Production: the image (locked while the dialog is open, which is modal), its SHA-256,
// one lane for each target written, and the log. Each lane shows a large PASS or FAIL in colour
// and words, the reason, and its counts; the totals show the yield. While the station runs,
// Space or Enter tells the lanes that cannot sense a chip that one is in. A master chip, where
// named, gives the image first (clone mode). Results are announced to screen readers.
class ProductionDialog : public QDialog
{
    Q_OBJECT

public:
    // `image` is the document's, in its file's layout; `target` the chip chosen so far.
    ProductionDialog(const QByteArray &image, const QString &imageName, const QString &target, const QString &dataHome,
        QWidget *parent = nullptr);
    ~ProductionDialog() override;

    // The lane's result label, for tests: "PASS", "FAIL", or its state.
    QString laneText(int lane) const;

public Q_SLOTS:
    void start();
    void stop();
    void reject() override;

private:
    void showImage();
    void showResult(const Station::Result &result);
    void showState(int lane, Station::State state, const QString &text);
    void showCounts();

    QByteArray m_image;
    QString m_imageName;
    QString m_dataHome;
    QLabel *m_imageLabel;
    QPlainTextEdit *m_targets;
    QLineEdit *m_master;
    QLineEdit *m_logPath;
    QPushButton *m_startButton;
    QPushButton *m_stopButton;
    QWidget *m_lanesPanel;
    QList<QLabel *> m_laneStates;
    QList<QLabel *> m_laneCounts;
    QList<std::pair<int, int>> m_counts; // passed, failed for each lane
    QLabel *m_totals;
    QList<QShortcut *> m_chipInKeys; // Space and Enter while the station runs
    Announcer *m_announcer;
    std::unique_ptr<ProductionLog> m_log;
    std::unique_ptr<Station> m_station;
};
