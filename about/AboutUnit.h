// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

class CreditsPanel;
class QTabWidget;
class TooltipTimer;

// The About window: a description of the program, a picture, the credits (which a right press
// on the second credits line sets scrolling) and two mail links. A new window for every opening.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize {527, 310};
    static const QString HardwareAddress;
    static const QString SoftwareAddress;

    // Hands a "mailto:" text to the desktop; what the desktop answers is not looked at.
    using MailOpener = std::function<void(const QString &mailto)>;

    explicit TAboutForm(QWidget *parent = nullptr);

    static QStringList description();
    static QStringList credits();
    static QString mailText(const QString &address);

    void setMailOpener(MailOpener opener) { m_openMail = std::move(opener); }
    CreditsPanel *creditsPanel() const { return m_secretPanel; }
    TooltipTimer *tooltips() const { return m_tooltips; }

    void SpeedButton1Click();
    void Label1Click();
    void Label4Click();
    void Label9MouseDown(Qt::MouseButton button);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildAboutTab();
    void buildInternetTab();

    QTabWidget *m_pages = nullptr;
    CreditsPanel *m_secretPanel = nullptr;
    TooltipTimer *m_tooltips = nullptr;
    MailOpener m_openMail;
};
