// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Starts a main window and, once it has first been painted, prints how long that took since the
// launch time given as its argument (nanoseconds of the monotonic clock), then ends at once:
// what comes after the first paint is not part of start-up.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#ifdef PROBE_GLIMMERVIEW
#include "common/DesktopEnvironment.h"
#include "mainwindow/MainWindow.h"
#endif

namespace {
long long launchNanoseconds = 0;

class QuitOnFirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const QSize size = static_cast<QWidget *>(watched)->size();
            // After this paint has reached the screen.
            QTimer::singleShot(0, qApp, [size] {
                const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::steady_clock::now().time_since_epoch())
                                          .count();
                // The time, then the window's size, which the bare window takes on.
                std::printf("%.3f %d %d\n", (now - launchNanoseconds) / 1e6, size.width(), size.height());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
} // namespace

int main(int argc, char **argv)
{
    launchNanoseconds = argc > 1 ? std::atoll(argv[1]) : 0;
    QApplication application(argc, argv);
    QuitOnFirstPaint quit;
#ifdef PROBE_GLIMMERVIEW
    MainWindow window(std::make_shared<DesktopEnvironment>());
#else
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    window.setCentralWidget(new QWidget);
    // As large as the program's window, given after the launch time: the same pixels to paint.
    window.resize(argc > 3 ? std::atoi(argv[2]) : 567, argc > 3 ? std::atoi(argv[3]) : 547);
#endif
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
