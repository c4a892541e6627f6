// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

// Runs a copy of the real program in the test's X server and drives it the way a user would:
// xdotool for keys, typing and clicks, screenshots through the X server itself.
class X11Driver
{
public:
    X11Driver();
    ~X11Driver();

    // Copies the program into its folder (once) and starts it with the arguments given; false
    // when its window never shows. Called again after the program has ended, it starts it anew
    // in the same folder.
    bool start(const QStringList &arguments = {});
    // Starts it with one argument given as the bytes it is, which need not be UTF-8.
    bool startWithRawArgument(const QByteArray &argument);
    // Where its recovery copies go ($XDG_STATE_HOME/Glimmerview/recovery): a folder of this
    // driver's unless the environment names another.
    QString recoveryFolder() const;
    // Its standard error is kept for errorOutput() instead of passed on.
    void setCaptureErrors(bool capture) { m_captureErrors = capture; }
    QByteArray errorOutput() { return m_process->readAllStandardError(); }
    QString programDir() const { return m_dir.path(); }
    // Set in the program's environment from its next start on (for example QT_SCALE_FACTOR).
    void setEnvironment(const QString &name, const QString &value) { m_environment.insert(name, value); }
    // How the main window's title reads in the program's language (a regular expression).
    void setMainTitlePattern(const QString &pattern) { m_mainTitlePattern = pattern; }
    QProcess &process() { return *m_process; }
    bool waitForExit(int timeoutMs = 10000);

    // The id of the first visible window whose title matches `pattern` exactly, 0 after timeout.
    static qulonglong waitForWindow(const QString &title, int timeoutMs = 10000);
    static qulonglong waitForWindowMatching(const QString &pattern, int timeoutMs = 10000);
    static bool waitForWindowGone(qulonglong window, int timeoutMs = 10000);
    static QString xdotool(const QStringList &arguments);
    static QString xprop(qulonglong window, const QString &property);
    // The window's title as the program set it (UTF-8).
    static QString windowName(qulonglong window);
    static QRect geometry(qulonglong window);

    qulonglong mainWindow() const { return m_mainWindow; }
    // Keys go to the window that has the input focus; there is no window manager to give it.
    static void focus(qulonglong window);
    // Keys in xdotool's names, separated by blanks: "End BackSpace", "ctrl+x".
    static void keys(qulonglong window, const QString &keySequence);
    static void type(qulonglong window, const QString &text);
    // Clicks at a point of the window's client area (x, y from its top-left corner).
    static void click(qulonglong window, QPoint at, int button = 1);
    static void moveTo(qulonglong window, QPoint at);
    static void buttonDown(int button);
    static void buttonUp(int button);

    static QImage grab(qulonglong window);
    // What a window manager's close box sends: WM_DELETE_WINDOW (bare Xvfb has no frames).
    static void closeBox(qulonglong window);
    // Loads a file through the real File > Load dialog: Ctrl+L, the path typed, Enter.
    bool loadThroughDialog(const QString &path);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    qulonglong m_mainWindow = 0;
    QProcessEnvironment m_environment;
    bool m_captureErrors = false;
    // With a file loaded its name comes first: "effect.bin — Glimmerview FINAL Version".
    QString m_mainTitlePattern = QStringLiteral("^(.* )?Glimmerview FINAL Version$");

    bool copyProgram();
    bool launch(const QString &program, const QStringList &arguments);
};
