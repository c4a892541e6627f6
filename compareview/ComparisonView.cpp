// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "compareview/ComparisonView.h"

#include "compare/ComparisonSession.h"
#include "effect/EffectImage.h"
#include "widgets/Announcer.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>

ComparisonView::ComparisonView(
    ComparisonSession &session, LedPanel &matrix, const EffectImage &image, QMainWindow *window)
    : QObject(window)
    , m_session(session)
    , m_matrix(matrix)
    , m_image(image)
    , m_window(window)
{
    connect(&session, &ComparisonSession::changed, this, &ComparisonView::refresh);
    connect(&session, &ComparisonSession::compared, this, &ComparisonView::announceStatus);
}

QString ComparisonView::statusText() const
{
    return m_status ? m_status->text() : QString();
}

void ComparisonView::refresh()
{
    if (!m_status && m_session.isActive()) {
        m_status = new QLabel(m_window);
        m_status->setObjectName(QStringLiteral("comparisonStatus"));
        m_window->statusBar()->addWidget(m_status, 1);
        m_announcer = new Announcer(m_window);
        m_window->statusBar()->addWidget(m_announcer);
        m_window->statusBar()->setSizeGripEnabled(false); // the window keeps its size
    }
    if (m_status) {
        m_status->setText(m_session.summary());
        // Under the window only while comparing: the designed window is as it always was.
        m_window->statusBar()->setVisible(m_session.isActive());
        m_window->layout()->activate(); // the window's fixed size follows at once
    }
    showMarks();
}

void ComparisonView::announceStatus()
{
    if (m_announcer && m_session.isActive())
        m_announcer->announce(m_status->text());
}

void ComparisonView::showMarks()
{
    const int page = m_image.currentPage();
    const bool marking = m_session.isActive() && EffectImage::isValidPage(page);
    m_matrix.beginUpdate();
    for (int index = 0; index < m_matrix.indicators().size(); ++index)
        m_matrix.indicators().at(index)->setMarked(marking && m_session.differences().differs(page, index));
    m_matrix.endUpdate();
}
