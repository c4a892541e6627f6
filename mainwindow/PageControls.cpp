// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/PageControls.h"

#include "common/ProgramTexts.h"
#include "document/EffectDocument.h"
#include "effect/PageNavigation.h"
#include "effect/PreviewController.h"
#include "mainwindow/LedDisplay.h"
#include "mainwindow/PageEditKeys.h"
#include "widgets/ErrorBox.h"
#include "widgets/LedPanel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int PageEditLength = 2; // pages 1..64
}

PageControls::PageControls(const MainControls &controls, EffectDocument &document, LedDisplay &leds,
    PreviewController &preview, QWidget *window)
    : QObject(window)
    , m_controls(controls)
    , m_document(document)
    , m_leds(leds)
    , m_preview(preview)
    , m_window(window)
{
    controls.pageEdit->setMaxLength(PageEditLength);
    new PageEditKeys(controls.pageEdit, window, [this] { goToTypedPage(); });
    connect(controls.goButton, &QPushButton::clicked, this, &PageControls::goToTypedPage);
    connect(controls.nextPageButton, &QPushButton::clicked, this,
        [this] { stepToPage(PageNavigation::nextPage(m_document.image().currentPage())); });
    connect(controls.previousPageButton, &QPushButton::clicked, this,
        [this] { stepToPage(PageNavigation::previousPage(m_document.image().currentPage())); });
    controls.matrix->installEventFilter(this);
}

bool PageControls::eventFilter(QObject *watched, QEvent *event)
{
    // Drawing page after page without leaving the matrix: Page Down as Up does, Page Up as Down.
    if (watched == m_controls.matrix && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            const std::uint16_t shown = m_document.image().currentPage();
            stepToPage(key == Qt::Key_PageDown ? PageNavigation::nextPage(shown) : PageNavigation::previousPage(shown));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PageControls::showCurrentPage()
{
    const std::uint16_t page = m_document.image().currentPage();
    if (!EffectImage::isValidPage(page))
        return;
    m_controls.pageEdit->setText(QString::number(page));
    m_leds.showCurrentPage(false);
    m_shownPage = page;
    Q_EMIT pageShown();
}

void PageControls::showChangedPage(int page)
{
    if (page != m_document.image().currentPage())
        return;
    if (page == m_shownPage)
        m_leds.showCurrentPage(false); // an edit here: the box may hold a page number being typed
    else
        showCurrentPage();
}

void PageControls::showPage(int page)
{
    m_document.setCurrentPage(page);
    showCurrentPage();
}

void PageControls::showTypedPage()
{
    QLineEdit *pageEdit = m_controls.pageEdit;
    if (pageEdit->text().isEmpty())
        pageEdit->setText(QString::fromUtf8(Texts::FirstPageText));
    const std::uint16_t page = PageNavigation::pageFromText(pageEdit->text());
    pageEdit->setText(QString::number(page));
    showPage(page);
}

void PageControls::goToTypedPage()
{
    ErrorBox::guard(m_window, [this] { showTypedPage(); });
}

void PageControls::stepToPage(std::uint16_t page)
{
    showPage(page);
    m_preview.restartPeriod();
}
