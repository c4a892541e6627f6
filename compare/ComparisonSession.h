// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "compare/ImageComparison.h"
#include "effect/EffectImage.h"

#include <QObject>
#include <QString>

// Comparing the image being edited with a reference read from a file: the reference is held in
// memory and never written; the differences are worked out again whenever the image changes.
class ComparisonSession : public QObject
{
    Q_OBJECT

public:
    explicit ComparisonSession(const EffectImage &image, QObject *parent = nullptr);

    // Reads the reference, as the loader reads any image, and compares. Throws AppError when the
    // file cannot be read; a comparison under way then goes on as it was.
    void compareWith(const QString &path);
    // Compares with an image already in memory (the chip's, read back), shown by `name`.
    void compareWithImage(const EffectImage &reference, const QString &name);
    void stop();
    bool isActive() const { return m_active; }
    QString referencePath() const { return m_referencePath; }
    QString referenceName() const { return m_referenceName; }
    const ImageComparison &differences() const { return m_differences; }
    // "N pages differ, M LEDs" or "Same as <file>"; empty when not comparing.
    QString summary() const;

public Q_SLOTS:
    // The image changed: the differences are worked out again (a few microseconds).
    void update();

Q_SIGNALS:
    // The differences, or whether there is a comparison at all, changed.
    void changed();
    // A comparison with a new reference has been worked out (after changed()).
    void compared();

private:
    const EffectImage &m_image;
    EffectImage m_reference;
    QString m_referencePath; // empty for an image that came from no file
    QString m_referenceName; // as the summary shows it
    bool m_active = false;
    ImageComparison m_differences;
};
