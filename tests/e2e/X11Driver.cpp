// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "X11Driver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>
#include <xcb/xcb.h>

namespace {
constexpr int PollMs = 20;
} // namespace

X11Driver::X11Driver()
    : m_process(std::make_unique<QProcess>())
{
}

X11Driver::~X11Driver()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

bool X11Driver::start(const QStringList &arguments)
{
    return copyProgram() && launch(m_dir.filePath(QStringLiteral("Glimmerview")), arguments);
}

bool X11Driver::copyProgram()
{
    const QString copy = m_dir.filePath(QStringLiteral("Glimmerview"));
    if (!QFile::exists(copy) && !QFile::copy(QStringLiteral(GLIMMERVIEW_BINARY), copy))
        return false;
    return QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
}

bool X11Driver::startWithRawArgument(const QByteArray &argument)
{
    if (!copyProgram())
        return false;
    // A QString argument would be sent as UTF-8; the shell passes the bytes printf makes.
    QString escaped;
    for (const char byte : argument)
        escaped += QStringLiteral("\\0%1").arg(static_cast<unsigned char>(byte), 3, 8, QLatin1Char('0'));
    setEnvironment(QStringLiteral("GLIMMERVIEW_RAW_ARGUMENT"), escaped);
    return launch(QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$(printf '%b' \"$GLIMMERVIEW_RAW_ARGUMENT\")\""),
            m_dir.filePath(QStringLiteral("Glimmerview"))});
}

QString X11Driver::recoveryFolder() const
{
    const QString state
        = m_environment.value(QStringLiteral("XDG_STATE_HOME"), m_dir.filePath(QStringLiteral("state")));
    return state + QStringLiteral("/Glimmerview/recovery");
}

bool X11Driver::launch(const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Recovery copies in a folder of the test's own: none is offered to another test's program.
    environment.insert(QStringLiteral("XDG_STATE_HOME"), m_dir.filePath(QStringLiteral("state")));
    environment.insert(m_environment);
    m_process->setProcessEnvironment(environment);
    m_process->setProcessChannelMode(m_captureErrors ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
    m_process->start(program, arguments);
    if (!m_process->waitForStarted())
        return false;
    m_mainWindow = waitForWindowMatching(m_mainTitlePattern);
    return m_mainWindow != 0;
}

bool X11Driver::waitForExit(int timeoutMs)
{
    return m_process->waitForFinished(timeoutMs);
}

QString X11Driver::xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

qulonglong X11Driver::waitForWindow(const QString &title, int timeoutMs)
{
    return waitForWindowMatching(QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$'), timeoutMs);
}

qulonglong X11Driver::waitForWindowMatching(const QString &pattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString found
            = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern});
        if (!found.isEmpty())
            return found.split(QLatin1Char('\n')).constFirst().toULongLong();
        QThread::msleep(PollMs);
    }
    return 0;
}

bool X11Driver::waitForWindowGone(qulonglong window, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString visible = xdotool(
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral(".")});
        if (!visible.split(QLatin1Char('\n')).contains(QString::number(window)))
            return true;
        QThread::msleep(PollMs);
    }
    return false;
}

QString X11Driver::windowName(qulonglong window)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)});
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString X11Driver::xprop(qulonglong window, const QString &property)
{
    QProcess tool;
    tool.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), property});
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

QRect X11Driver::geometry(qulonglong window)
{
    const QString shell
        = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    QMap<QString, int> values;
    for (const QString &line : shell.split(QLatin1Char('\n'))) {
        const QStringList pair = line.split(QLatin1Char('='));
        if (pair.size() == 2)
            values.insert(pair[0], pair[1].toInt());
    }
    return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")), values.value(QStringLiteral("WIDTH")),
        values.value(QStringLiteral("HEIGHT"))};
}

void X11Driver::focus(qulonglong window)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
}

void X11Driver::keys(qulonglong window, const QString &keySequence)
{
    focus(window);
    xdotool(
        QStringList {QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + keySequence.split(QLatin1Char(' ')));
}

void X11Driver::type(qulonglong window, const QString &text)
{
    focus(window);
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("2"), text});
}

void X11Driver::click(qulonglong window, QPoint at, int button)
{
    moveTo(window, at);
    xdotool({QStringLiteral("click"), QString::number(button)});
}

void X11Driver::moveTo(qulonglong window, QPoint at)
{
    // No --sync: it waits for movement, and a move to where the pointer already is never comes.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window), QString::number(at.x()),
        QString::number(at.y())});
}

void X11Driver::buttonDown(int button)
{
    xdotool({QStringLiteral("mousedown"), QString::number(button)});
}

void X11Driver::buttonUp(int button)
{
    xdotool({QStringLiteral("mouseup"), QString::number(button)});
}

QImage X11Driver::grab(qulonglong window)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(static_cast<WId>(window))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void X11Driver::closeBox(qulonglong window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    const auto atom = [connection](const char *name) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    };
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

bool X11Driver::loadThroughDialog(const QString &path)
{
    keys(m_mainWindow, QStringLiteral("ctrl+l"));
    const qulonglong dialog = waitForWindow(QStringLiteral("Open"));
    if (!dialog)
        return false;
    type(dialog, path);
    keys(dialog, QStringLiteral("Return"));
    return waitForWindowGone(dialog);
}
