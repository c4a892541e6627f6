// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>

class CreditsPanel;
class QTabWidget;
class TooltipTimer;

// The About window: a description of the program, a picture, the credits (which a right press
// on the second credits line sets scrolling) and two mail links. A new window for every opening.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize {527, 310};
    static const QString HardwareAddress;
    static const QString SoftwareAddress;

    // Hands a "mailto:" text to the desktop; what the desktop answers is not looked at.
    using MailOpener = std::function<void(const QString &mailto)>;

    explicit AboutDialog(QWidget *parent = nullptr);

    static QStringList description();
    static QStringList credits();
    static QString mailText(const QString &address);

    void setMailOpener(MailOpener opener) { m_openMail = std::move(opener); }
    CreditsPanel *creditsPanel() const { return m_creditsPanel; }
    TooltipTimer *tooltips() const { return m_tooltips; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void mailHardwareTeam();
    void mailSoftwareTeam();
    // A right press on the second credits line sets the credits scrolling.
    void onCreditsLabelPressed(Qt::MouseButton button);

private:
    void buildAboutTab();
    void buildInternetTab();

    QTabWidget *m_pages = nullptr;
    CreditsPanel *m_creditsPanel = nullptr;
    TooltipTimer *m_tooltips = nullptr;
    MailOpener m_openMail;
};
