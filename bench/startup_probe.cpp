// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Starts a main window and quits once it has first been painted on screen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#ifdef PROBE_GLIMMERVIEW
#include "global.h"
#include "mainUnit.h"
#endif

namespace {
class QuitOnFirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_seen = false;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QuitOnFirstPaint quit;
#ifdef PROBE_GLIMMERVIEW
    Global global;
    TForm1 window(global);
#else
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    window.setCentralWidget(new QWidget);
    window.resize(567, 547);
#endif
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
