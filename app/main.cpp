// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "common/DesktopEnvironment.h"
#include "common/GlyphBitmaps.h"
#include "common/TerminationSignals.h"
#include "common/Translations.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Glimmerview"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLIMMERVIEW_VERSION));
    const CommandLine::Outcome command = CommandLine::parse(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;

    QApplication application(argc, argv);
    Translations::install(application);
    // Docks and task bars put the window under its launcher (the entry's StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral(GLIMMERVIEW_APP_ID));
    QIcon icon; // the drawing for each screen resolution
    for (const QImage &drawing : GlyphBitmaps::allScales(QStringLiteral(":/resources/ProgramIcon"), true))
        icon.addPixmap(QPixmap::fromImage(drawing));
    QApplication::setWindowIcon(icon);
    MainWindow window(std::make_shared<DesktopEnvironment>());
    // A kill, a hang-up or Ctrl+C ends the program with status 0, whatever window is open:
    // unsaved edits go to a recovery copy and the settings are written, without a question, as
    // nobody may be there to answer it.
    TerminationSignals terminationSignals;
    QObject::connect(
        &terminationSignals, &TerminationSignals::terminationRequested, &window, [&window] { window.endOnRequest(); });
    // The session manager may end the event loop without closing the window (a logout).
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, [&window] { window.closeWithoutAsking(); });
    window.show();
    // Once the window shows: the edits a run before this one left unsaved first, then the file
    // named, as if chosen in the file dialog.
    QTimer::singleShot(0, &window, [&window, &command] {
        window.offerRecovery();
        if (command.file)
            window.loadImageFile(*command.file);
    });
    return QApplication::exec();
}
