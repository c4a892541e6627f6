// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Linked into every widget test. A modal window that no test answers (a question nobody expected,
// a handler that failed before it could close its dialog) would hold the test until the watchdog
// ends the whole run. Here such a window is closed after a time no test needs, and the test
// function that left it fails with its title; the run goes on with the next function.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>

namespace {
constexpr int PollInterval = 250; // ms
constexpr int Patience = 15000; // ms a modal window may wait in its own event loop

void closeModalWindowsNobodyAnswers()
{
    struct Seen
    {
        QPointer<QWidget> window;
        QElapsedTimer since;
    };
    auto seen = std::make_shared<Seen>();
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != seen->window) {
            seen->window = modal;
            seen->since.start();
            return;
        }
        // Only a window that waits in an event loop of its own (exec()) holds a test.
        if (!modal || QThread::currentThread()->loopLevel() == 0 || seen->since.elapsed() < Patience)
            return;
        const QByteArray what
            = modal->metaObject()->className() + QByteArray(" \"") + modal->windowTitle().toUtf8() + "\"";
        QTest::qFail(("a modal window waited for an answer that never came: " + what).constData(), __FILE__, __LINE__);
        // Never blocks: the window's own loop ends once this slot returns.
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        seen->window = nullptr;
    });
    poll->start(PollInterval);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeModalWindowsNobodyAnswers)
