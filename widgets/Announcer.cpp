// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
QAccessibleInterface *createAnnouncerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    // Before this widget is first told of: the interface asked for first is kept.
    static const bool installed = [] {
        QAccessible::installFactory(&createAnnouncerInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(1, 1); // nothing to see: it paints nothing
    hide();
}

void Announcer::announce(const QString &text)
{
    setAccessibleName(text);
    // Shown again, so that the same text said twice (F8 on the same page) is said twice.
    hide();
    show();
}
