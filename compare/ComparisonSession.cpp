// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "compare/ComparisonSession.h"

#include "common/LocalPath.h"
#include "effect/ImageFile.h"

#include <QFileInfo>

ComparisonSession::ComparisonSession(const EffectImage &image, QObject *parent)
    : QObject(parent)
    , m_image(image)
{
}

void ComparisonSession::compareWith(const QString &path)
{
    EffectImage reference;
    ImageFile::load(path, reference); // throws before anything here changes
    compareWithImage(reference, LocalPath::displayed(QFileInfo(path).fileName()));
    m_referencePath = path;
}

void ComparisonSession::compareWithImage(const EffectImage &reference, const QString &name)
{
    m_reference = reference;
    m_referencePath.clear();
    m_referenceName = name;
    m_active = true;
    update();
    Q_EMIT compared();
}

void ComparisonSession::stop()
{
    if (!m_active)
        return;
    m_active = false;
    m_referencePath.clear();
    m_differences = ImageComparison();
    Q_EMIT changed();
}

void ComparisonSession::update()
{
    if (!m_active)
        return;
    m_differences = ImageComparison::of(m_image, m_reference);
    Q_EMIT changed();
}

QString ComparisonSession::summary() const
{
    return m_active ? m_differences.summary(m_referenceName) : QString();
}
