// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "overview/OverviewDock.h"

#include "common/ProgramTexts.h"
#include "common/ScreenFit.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "effect/EffectImage.h"
#include "effect/PreviewController.h"
#include "effect/TimeAxis.h"
#include "overview/PagesView.h"
#include "overview/TimeStrip.h"

#include <QAction>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>

OverviewDock::OverviewDock(
    const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison, QWidget *parent)
    : QDockWidget(Texts::shown(Texts::OverviewCommand).remove(QLatin1Char('&')), parent)
    , m_image(image)
    , m_pages(new PagesView(image, colours, comparison))
    , m_strip(new TimeStrip(image, colours, comparison))
{
    setObjectName(QStringLiteral("overviewDock"));
    setFeatures(QDockWidget::DockWidgetClosable);
    toggleViewAction()->setText(Texts::shown(Texts::OverviewCommand));
    toggleViewAction()->setShortcut(QKeySequence(Qt::Key_F9));
    toggleViewAction()->setObjectName(QStringLiteral("overviewAction"));
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0); // no higher than the designed window
    layout->addWidget(m_pages);
    layout->addWidget(m_strip);
    layout->addStretch();
    setWidget(panel);
    connect(m_pages, &PagesView::pageChosen, this, &OverviewDock::pageChosen);
    connect(m_strip, &TimeStrip::rowChosen, this, &OverviewDock::rowChosen);
    connect(m_pages, &PagesView::selectionRequested, this, &OverviewDock::selectionRequested);
    connect(m_strip, &TimeStrip::selectionRequested, this, &OverviewDock::selectionRequested);
    connect(&comparison, &ComparisonSession::changed, this, &OverviewDock::showDifferences);
}

void OverviewDock::follow(const EffectDocument &document, const PreviewController &preview)
{
    connect(&document, &EffectDocument::imageReplaced, this, &OverviewDock::refresh);
    connect(&document, &EffectDocument::pageChanged, this, &OverviewDock::refreshPage);
    connect(&preview, &PreviewController::rowChanged, this, [this, &preview] { showPlayingRow(preview.row()); });
    connect(&document, &EffectDocument::selectionChanged, this, [this, &document] {
        m_selection = document.selection();
        m_pages->showSelection(m_selection);
        m_strip->showSelection(m_selection);
        showTarget();
    });
    showTarget();
}

void OverviewDock::showTarget()
{
    const QString rows = m_selection.isEmpty() ? tr("page %1").arg(m_image.currentPage()) : m_selection.text();
    // In the title, which takes no room from the pages and is read with the dock.
    setWindowTitle(
        tr("%1 \u2014 the tools act on %2").arg(Texts::shown(Texts::OverviewCommand).remove(QLatin1Char('&')), rows));
}

bool OverviewDock::fitsScreenBeside(QWidget &window)
{
    show();
    window.layout()->activate(); // the window's fixed size with the overview beside the client area
    const QSize needed = window.size() + QSize(0, ScreenFit::MinimumTitleHeight);
    const QScreen *screen = window.screen();
    return screen && screen->availableGeometry().width() >= needed.width()
        && screen->availableGeometry().height() >= needed.height();
}

void OverviewDock::refresh()
{
    m_pages->refresh();
    m_strip->refresh();
}

void OverviewDock::refreshPage(int page)
{
    m_pages->refreshPage(page);
    m_strip->refreshPage(page);
}

void OverviewDock::followShownPage()
{
    m_pages->followShownPage();
    showTarget();
}

void OverviewDock::showDifferences()
{
    // The pictures do not hold the marks, which are drawn as the views paint.
    m_pages->update();
    m_strip->viewport()->update();
}

void OverviewDock::showPlayingRow(int row)
{
    const int page = m_image.currentPage();
    if (row < 0 || !EffectImage::isValidPage(page)) {
        m_pages->showPlayingRow(0, 0);
        m_strip->showPlayingRow(-1);
        return;
    }
    m_pages->showPlayingRow(page, row);
    m_strip->showPlayingRow(TimeAxis::rowIndex(page, row));
}
