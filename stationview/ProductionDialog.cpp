// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "stationview/ProductionDialog.h"

#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "common/AppError.h"
#include "widgets/Announcer.h"
#include "widgets/ErrorBox.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

ProductionDialog::ProductionDialog(
    const QByteArray &image, const QString &imageName, const QString &target, const QString &dataHome, QWidget *parent)
    : QDialog(parent)
    , m_image(image)
    , m_imageName(imageName)
    , m_dataHome(dataHome)
    , m_imageLabel(new QLabel(this))
    , m_targets(new QPlainTextEdit(target, this))
    , m_master(new QLineEdit(this))
    , m_logPath(new QLineEdit(this))
    , m_startButton(new QPushButton(tr("&Start"), this))
    , m_stopButton(new QPushButton(tr("S&top"), this))
    , m_lanesPanel(new QWidget(this))
    , m_totals(new QLabel(this))
    , m_announcer(new Announcer(this))
{
    setWindowTitle(tr("Production"));
    m_imageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_targets->setObjectName(QStringLiteral("lanesEdit"));
    m_targets->setTabChangesFocus(true);
    m_targets->setMaximumHeight(80);
    m_master->setObjectName(QStringLiteral("masterEdit"));
    m_master->setPlaceholderText(tr("none: the image shown"));
    m_logPath->setObjectName(QStringLiteral("logEdit"));
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_stopButton->setEnabled(false);
    m_totals->setObjectName(QStringLiteral("totalsLabel"));
    auto *form = new QFormLayout;
    form->addRow(tr("Image:"), m_imageLabel);
    form->addRow(tr("&Lanes (a chip target a line):"), m_targets);
    form->addRow(tr("&Master chip (clone mode):"), m_master);
    form->addRow(tr("L&og file (appended to):"), m_logPath);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_lanesPanel);
    layout->addWidget(m_totals);
    connect(m_startButton, &QPushButton::clicked, this, &ProductionDialog::start);
    connect(m_stopButton, &QPushButton::clicked, this, &ProductionDialog::stop);
    // Space or Enter: a chip is in, for the lanes that cannot sense one. Shortcuts while the
    // station runs, so that they reach it whichever control has the keys, and never press Stop.
    for (const QKeySequence &key :
        {QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *chipIn = new QShortcut(key, this);
        chipIn->setEnabled(false);
        connect(chipIn, &QShortcut::activated, this, [this] {
            if (m_station)
                m_station->confirmChips();
        });
        m_chipInKeys << chipIn;
    }
    showImage();
}

ProductionDialog::~ProductionDialog()
{
    m_station.reset(); // the lanes end before the labels they report to
}

void ProductionDialog::showImage()
{
    m_imageLabel->setText(tr("%1, SHA-256 %2").arg(m_imageName, Station::sha256(m_image)));
}

QString ProductionDialog::laneText(int lane) const
{
    return m_laneStates.at(lane - 1)->text();
}

void ProductionDialog::start()
{
    QStringList targets;
    for (const QString &line : m_targets->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        targets << line.trimmed();
    const bool started = ErrorBox::guard(this, [&] {
        if (targets.isEmpty())
            throw AppError(tr("Name a chip target for each lane, one a line."));
        Station::checkTargets(targets);
        if (m_logPath->text().isEmpty())
            throw AppError(tr("Name the log file the station appends to."));
        if (!m_master->text().isEmpty()) { // clone mode: the master's bytes are the image
            ChipTargets::checkForm(m_master->text());
            const std::unique_ptr<ChipAccess> master = ChipTargets::open(m_master->text(), false);
            m_image = ChipTransfer(*master).readAll();
            m_imageName = tr("the master chip %1").arg(m_master->text());
            showImage();
        }
        m_log = std::make_unique<ProductionLog>(m_logPath->text());
    });
    if (!started)
        return;
    delete m_lanesPanel->layout();
    qDeleteAll(m_lanesPanel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    m_laneStates.clear();
    m_laneCounts.clear();
    m_counts.clear();
    auto *grid = new QGridLayout(m_lanesPanel);
    for (int lane = 1; lane <= targets.size(); ++lane) {
        auto *name = new QLabel(tr("Lane %1: %2").arg(lane).arg(targets.at(lane - 1)), m_lanesPanel);
        auto *state = new QLabel(m_lanesPanel);
        QFont large = state->font();
        large.setPointSize(large.pointSize() * 2);
        large.setBold(true);
        state->setFont(large);
        state->setObjectName(QStringLiteral("lane%1State").arg(lane));
        state->setWordWrap(true);
        auto *counts = new QLabel(m_lanesPanel);
        grid->addWidget(name, lane - 1, 0);
        grid->addWidget(state, lane - 1, 1);
        grid->addWidget(counts, lane - 1, 2);
        m_laneStates << state;
        m_laneCounts << counts;
        m_counts << std::pair {0, 0};
    }
    Station::Settings settings {targets, m_image, m_imageName, m_dataHome, 0, std::chrono::milliseconds(100)};
    m_station = std::make_unique<Station>(
        settings, *m_log,
        [this](const Station::Result &result) {
            QMetaObject::invokeMethod(
                this, [this, result] { showResult(result); }, Qt::QueuedConnection);
        },
        [this](int lane, Station::State state, const QString &text) {
            QMetaObject::invokeMethod(
                this, [this, lane, state, text] { showState(lane, state, text); }, Qt::QueuedConnection);
        });
    m_targets->setEnabled(false);
    m_master->setEnabled(false);
    m_logPath->setEnabled(false);
    m_startButton->setEnabled(false);
    m_stopButton->setEnabled(true);
    for (QShortcut *key : std::as_const(m_chipInKeys))
        key->setEnabled(true);
    showCounts();
    m_station->start();
    m_stopButton->setFocus();
}

void ProductionDialog::stop()
{
    if (m_station) {
        m_station->stop();
        m_station->wait();
        m_station.reset();
    }
    m_targets->setEnabled(true);
    m_master->setEnabled(true);
    m_logPath->setEnabled(true);
    m_startButton->setEnabled(true);
    m_stopButton->setEnabled(false);
    for (QShortcut *key : std::as_const(m_chipInKeys))
        key->setEnabled(false);
}

void ProductionDialog::reject()
{
    stop();
    QDialog::reject();
}

void ProductionDialog::showState(int lane, Station::State state, const QString &text)
{
    if (lane > m_laneStates.size() || state == Station::State::Passed || state == Station::State::Failed)
        return; // a result stays until the next chip starts
    QLabel *label = m_laneStates.at(lane - 1);
    if (state == Station::State::Waiting
        && (label->text() == Station::stateText(Station::State::Passed)
            || label->text().startsWith(Station::stateText(Station::State::Failed))))
        return; // the result stays shown while the chip is taken out
    label->setStyleSheet(QString());
    label->setText(text);
    label->setAccessibleName(tr("Lane %1: %2").arg(lane).arg(text));
}

void ProductionDialog::showResult(const Station::Result &result)
{
    if (result.lane > m_laneStates.size())
        return;
    QLabel *label = m_laneStates.at(result.lane - 1);
    const QString word = Station::stateText(result.passed ? Station::State::Passed : Station::State::Failed);
    label->setText(result.passed ? word : tr("%1: %2").arg(word, result.reason));
    label->setStyleSheet(result.passed ? QStringLiteral("color: white; background: #1a7f37;")
                                       : QStringLiteral("color: white; background: #b42318;"));
    label->setAccessibleName(tr("Lane %1: %2").arg(result.lane).arg(label->text()));
    auto &[passed, failed] = m_counts[result.lane - 1];
    (result.passed ? passed : failed)++;
    QApplication::beep();
    m_announcer->announce(tr("Lane %1: %2").arg(result.lane).arg(label->text()));
    showCounts();
}

void ProductionDialog::showCounts()
{
    int passed = 0, failed = 0;
    for (int lane = 0; lane < m_laneCounts.size(); ++lane) {
        const auto [lanePassed, laneFailed] = m_counts.at(lane);
        m_laneCounts.at(lane)->setText(tr("passed %1, failed %2").arg(lanePassed).arg(laneFailed));
        passed += lanePassed;
        failed += laneFailed;
    }
    const int chips = passed + failed;
    m_totals->setText(tr("All lanes: %1 chips, passed %2, failed %3, yield %4%")
                          .arg(chips)
                          .arg(passed)
                          .arg(failed)
                          .arg(chips > 0 ? passed * 100 / chips : 0));
}
