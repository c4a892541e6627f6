// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <optional>

class QMimeData;
class QWidget;

// Takes one image file dropped on the window from a file manager. Any other drop is refused as
// soon as it enters, so the pointer shows before the drop that nothing would happen.
class ImageDropFilter : public QObject
{
    Q_OBJECT

public:
    explicit ImageDropFilter(QWidget *window);

    // The one local file a drop carries, or nothing for any other drop.
    static std::optional<QString> droppedImagePath(const QMimeData *data);

Q_SIGNALS:
    void dropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
