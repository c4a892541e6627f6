// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainWindowSettings.h"

#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "common/DesktopEnvironment.h"
#include "common/ProgramTexts.h"
#include "mainwindow/OpenDialogState.h"
#include "settings/ColourValues.h"
#include "settings/WindowSettings.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

template<typename Write>
void reportingFailures(const Write &write)
{
    try {
        write();
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
}
} // namespace

MainWindowSettings::MainWindowSettings(QWidget &window, QSlider &clockSlider, OpenDialogState &openDialog,
    const DesktopEnvironment &environment, bool overviewFits)
    : m_environment(environment)
    , m_openDialog(openDialog)
    , m_host(window, clockSlider, openDialog, environment)
    , m_settings(std::make_unique<WindowSettings>(m_host, text(Texts::SettingsSection),
          QStringList {
              text(Texts::DefaultExtProperty), text(Texts::ClockPositionProperty), text(Texts::InitialDirProperty)},
          ColourValues::storedValues()))
{
    m_settings->addOwnValue(text(Texts::OwnSection), text(Texts::OverviewShownKey),
        overviewFits ? QStringLiteral("1") : QStringLiteral("0"));
    m_settings->addOwnValue(text(Texts::OwnSection), text(Texts::ChipTargetKey), QString());
}

MainWindowSettings::~MainWindowSettings() = default;

MainWindowSettings::OwnValues MainWindowSettings::readAtStart(ColourSettings &colours)
{
    m_executableFolder = m_environment.executableFolder() + QLatin1Char('/') + QLatin1Char('/');
    m_location = SettingsLocation::choose(m_environment, m_executableFolder);
    m_openDialog.initialDir = m_location.openDialogFolder;
    m_settings->setIniFileName(m_location.iniPath);
    m_settings->beginStart(); // until the restore at the first show
    m_settings->restorePass();
    m_settings->reloadStoredValues();
    ColourValues::copyIn(*m_settings, colours);
    return {m_settings->ownValue(text(Texts::OverviewShownKey)) == QLatin1String("1"),
        m_settings->ownValue(text(Texts::ChipTargetKey))};
}

void MainWindowSettings::restoreOnFirstShow()
{
    m_settings->restorePass(); // where the frame is known
    m_settings->endStart();
}

void MainWindowSettings::save(const ColourSettings &colours, const OwnValues &own)
{
    if (!m_location.besideExecutable) // the user's folder is made when first needed
        QDir().mkpath(QFileInfo(m_location.iniPath).path());
    ColourValues::copyOut(colours, *m_settings);
    m_settings->setOwnValue(
        text(Texts::OverviewShownKey), own.overviewShown ? QStringLiteral("1") : QStringLiteral("0"));
    m_settings->setOwnValue(text(Texts::ChipTargetKey), own.chipTarget);
    m_settings->saveOnClose();
}

void MainWindowSettings::saveOrReport(const ColourSettings &colours, const OwnValues &own)
{
    reportingFailures([&] { save(colours, own); });
}

void MainWindowSettings::saveIfNeverSaved()
{
    if (!m_settings->savedSinceRestore())
        reportingFailures([this] { m_settings->savePass(true); });
}
