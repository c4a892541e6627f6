// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "about/AboutDialog.h"

#include "about/CreditsPanel.h"
#include "about/MouseLabel.h"
#include "about/TooltipTimer.h"
#include "common/GlyphBitmaps.h"
#include "common/ProgramTexts.h"
#include "widgets/WindowFont.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>

const QString AboutDialog::HardwareAddress = QString::fromUtf8(Texts::HardwareAddress);
const QString AboutDialog::SoftwareAddress = QString::fromUtf8(Texts::SoftwareAddress);

namespace {
constexpr QSize PanelSize {519, 282};

// Labels size themselves to their text; only the corner is given, and a width where the text
// is right-aligned in a fixed box.
struct Element
{
    const char *name;
    QRect bounds;
};
const Element DescriptionBounds {"descriptionText", {8, 8, 337, 265}};
const Element PictureBounds {"programPicture", {352, 8, 162, 107}};
const Element IconBounds {"programIcon", {480, 128, 32, 32}};
const Element TeamBounds {"teamLabel", {360, 128, 0, 0}};
const Element CreditsBounds {"creditsLabel", {360, 144, 0, 0}};
const Element CloseButton {"CloseButton", {456, 240, 55, 30}};
const Element HardwareCreditBounds {"hardwareCreditLabel", {8, 8, 342, 0}};
const Element HardwareLinkBounds {"hardwareMailLink", {360, 8, 0, 0}};
const Element SoftwareCreditBounds {"softwareCreditLabel", {156, 32, 194, 0}};
const Element SoftwareLinkBounds {"softwareMailLink", {360, 32, 0, 0}};

constexpr int CaptionMargin = 6; // px either side of a button's caption

template<typename W>
W *place(W *widget, const Element &element)
{
    widget->setObjectName(QString::fromUtf8(element.name));
    QSize size = element.bounds.size();
    if (size.height() == 0)
        size = QSize(size.width() > 0 ? size.width() : widget->sizeHint().width(), widget->sizeHint().height());
    widget->setGeometry(QRect(element.bounds.topLeft(), size));
    return widget;
}

QLabel *mailLink(const QString &address, QWidget *parent)
{
    auto *link = new MouseLabel(address, parent);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette); // blue, not underlined, and the ordinary arrow
    return link;
}
} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setFont(WindowFont::font(font()));
    setWindowTitle(Texts::shown(Texts::AboutTitle));
    setFixedSize(ClientSize); // a single, fixed border
    setToolTip(Texts::shown(Texts::AboutTitle));
    m_openMail = [](const QString &mailto) { QDesktopServices::openUrl(QUrl(mailto)); };
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("aboutTabs"));
    m_pages->setGeometry(QRect(QPoint(0, 0), ClientSize));
    buildAboutTab();
    buildInternetTab();
    m_pages->setCurrentIndex(0);
    m_tooltips = new TooltipTimer(this);
}

QStringList AboutDialog::description()
{
    return {
        tr("Glimmerview: see the light effect before the chip does."),
        tr("Dynamic Glimmerview. FINAL Version."),
        QString(),
        tr("Dynamic Glimmerview program is designed for reading of "),
        tr("16KBits binary file"),
        tr("which is used for programming 16K EEPROM Integrated Circuit (IC) by "),
        tr("means of standard programmator."),
        QString(),
        tr("Main purpose of the program is to prevent IC from programming "),
        tr("incorrect dynamic light effects due to preview mode."),
        QString(),
        tr("General features:"),
        QString(),
        tr("1. Continuous playback of the created effects in two following modes:"),
        tr("   - Single-page mode"),
        tr("   - Multi-page mode"),
        QString(),
        tr("2. Four selectable colors of dynamic lights string "),
        tr("   are available: RED, GREEN, BLUE, YELLOW."),
        QString(),
        tr("3. Editing with undo, saving, and exports as a C array "),
        tr("   or a picture; unsaved edits are kept for recovery."),
        QString(),
        tr("4. An overview of all pages, and comparing two images."),
        QString(),
        tr("5. Reading, writing and verifying the chip itself, "),
        tr("   with a backup and a read-back proof."),
    };
}

QStringList AboutDialog::credits()
{
    return {
        QStringLiteral("Glimmerview"),
        tr("sees the light before the chip does"),
        tr("Idea and hardware"),
        tr("the Glimmerview hardware bench"),
        tr("Software"),
        tr("the Glimmerview software desk"),
        tr("Pictures drawn pixel by pixel"),
        QString(),
        tr("With thanks to"),
        QString(),
        tr("every tester who sent an image"),
        tr("every chip that lit up"),
        tr("every LED that stayed dark"),
        tr("when it was meant to"),
        tr("Built with Qt and CMake"),
        tr("on a quiet evening"),
        tr("Thank you for watching"),
        tr("The end"),
    };
}

QString AboutDialog::mailText(const QString &address)
{
    return QString::fromUtf8(Texts::MailPrefix) + address + QString::fromUtf8(Texts::MailSuffix);
}

void AboutDialog::buildAboutTab()
{
    m_creditsPanel = new CreditsPanel;
    m_creditsPanel->setObjectName(QStringLiteral("creditsPanel"));
    m_creditsPanel->setFixedSize(PanelSize);
    m_creditsPanel->setCredits(credits());
    auto *page = new QWidget;
    m_creditsPanel->setParent(page);
    m_pages->addTab(page, Texts::shown(Texts::AboutProgramTab));

    auto *memo = place(new QPlainTextEdit(description().join(QLatin1Char('\n')), m_creditsPanel), DescriptionBounds);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Text to read, not to edit: Tab moves on, and a screen reader names it.
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setAccessibleName(QStringLiteral("Description"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded); // the text may be taller than the box
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *picture = place(new QLabel(m_creditsPanel), PictureBounds);
    const int scale = GlyphBitmaps::scaleFor(devicePixelRatioF()); // the drawing for this screen
    picture->setPixmap(
        QPixmap::fromImage(GlyphBitmaps::drawing(QStringLiteral(":/resources/AboutPicture"), scale, false)));
    picture->setAccessibleName(tr("Picture of an LED string"));
    auto *icon = place(new QLabel(m_creditsPanel), IconBounds);
    icon->setPixmap(QPixmap::fromImage(GlyphBitmaps::drawing(QStringLiteral(":/resources/ProgramIcon"), scale, true)));
    icon->setScaledContents(true);
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(tr("Glimmerview icon"));

    place(new MouseLabel(Texts::shown(Texts::TeamLabel), m_creditsPanel), TeamBounds);
    auto *credits = place(new MouseLabel(Texts::shown(Texts::CreditsLabel), m_creditsPanel), CreditsBounds);
    connect(credits, &MouseLabel::pressed, this, &AboutDialog::onCreditsLabelPressed);

    auto *close = place(new QPushButton(Texts::shown(Texts::CloseButton), m_creditsPanel), CloseButton);
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    // A caption longer than the designed button (another language's) widens it to the left.
    const int needed = close->fontMetrics().horizontalAdvance(close->text()) + 2 * CaptionMargin;
    if (needed > close->width())
        close->setGeometry(close->geometry().adjusted(close->width() - needed, 0, 0, 0));
    QPalette palette = close->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    close->setPalette(palette);
    // Reached by Tab and pressed by Return, so the keyboard is never trapped.
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &AboutDialog::close);
}

void AboutDialog::buildInternetTab()
{
    auto *panel = new BevelPanel(BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered);
    panel->setObjectName(QStringLiteral("internetPanel"));
    panel->setFixedSize(PanelSize);
    auto *page = new QWidget;
    panel->setParent(page);
    m_pages->addTab(page, Texts::shown(Texts::InternetTab));

    auto *hardware = place(new QLabel(Texts::shown(Texts::HardwareCredit), panel), HardwareCreditBounds);
    auto *software = place(new QLabel(Texts::shown(Texts::SoftwareCredit), panel), SoftwareCreditBounds);
    for (QLabel *credit : {hardware, software})
        credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter); // both end at x = 350
    auto *hardwareLink = place(mailLink(HardwareAddress, panel), HardwareLinkBounds);
    auto *softwareLink = place(mailLink(SoftwareAddress, panel), SoftwareLinkBounds);
    // The long credit decides the size of the tab's text, so that it fits its box whole.
    WindowFont::fitWidth(hardware);
    for (QLabel *label : {software, static_cast<QLabel *>(hardwareLink), static_cast<QLabel *>(softwareLink)})
        label->setFont(hardware->font());
    hardwareLink->adjustSize();
    softwareLink->adjustSize();
    connect(static_cast<MouseLabel *>(hardwareLink), &MouseLabel::clicked, this, &AboutDialog::mailHardwareTeam);
    connect(static_cast<MouseLabel *>(softwareLink), &MouseLabel::clicked, this, &AboutDialog::mailSoftwareTeam);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    // Centred on the desktop, not on the main window.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize frame = frameGeometry().size();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
}

void AboutDialog::mailHardwareTeam()
{
    m_openMail(mailText(HardwareAddress));
}

void AboutDialog::mailSoftwareTeam()
{
    m_openMail(mailText(SoftwareAddress));
}

void AboutDialog::onCreditsLabelPressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        m_creditsPanel->start();
}
