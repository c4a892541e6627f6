// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "common/DesktopEnvironment.h"
#include "common/GlyphBitmaps.h"
#include "common/TerminationSignals.h"
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
    QIcon icon; // the drawing for each screen resolution
    for (const QImage &drawing : GlyphBitmaps::allScales(QStringLiteral(":/resources/ProgramIcon"), true))
        icon.addPixmap(QPixmap::fromImage(drawing));
    QApplication::setWindowIcon(icon);
    MainWindow window(std::make_shared<DesktopEnvironment>());
    // A kill, a hang-up or Ctrl+C ends the program as a close does: every window closes, the
    // settings are written, and the last window's close ends the event loop with status 0.
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::terminationRequested, &window, [&window] {
        window.closeWithoutAsking(); // no question: nobody may be there to answer it
        QApplication::closeAllWindows();
    });
    // The session manager may end the event loop without closing the window (a logout).
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, [&window] {
        if (window.isVisible())
            window.closeWithoutAsking();
    });
    window.show();
    if (command.file) // once the window shows, as if chosen in the file dialog
        QTimer::singleShot(0, &window, [&window, &command] { window.loadImageFile(*command.file); });
    return QApplication::exec();
}
