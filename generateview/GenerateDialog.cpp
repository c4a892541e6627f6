// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "generateview/GenerateDialog.h"

#include "common/AppError.h"
#include "document/EffectDocument.h"
#include "generate/Generators.h"
#include "widgets/SettingsForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

GenerateDialog::GenerateDialog(EffectDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_rows(document.selection().isEmpty() ? RowSelection::pages(1, EffectImage::PageCount).list()
                                            : document.selection().list())
    , m_kind(new QComboBox(this))
    , m_settings(new SettingsForm("Generators", this))
    , m_problem(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Generate"));
    m_kind->setObjectName(QStringLiteral("kindBox"));
    for (const Generators::Kind &kind : Generators::kinds())
        m_kind->addItem(QString::fromLatin1(kind.name));
    auto *kindRow = new QFormLayout;
    kindRow->addRow(tr("&Kind:"), m_kind);
    auto *what = new QLabel(this);
    what->setWordWrap(true);
    const QString where = document.selection().isEmpty() ? tr("the whole image") : document.selection().text();
    auto *target = new QLabel(tr("Written into %1.").arg(where), this);
    m_problem->setObjectName(QStringLiteral("problemLabel"));
    m_problem->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(what);
    layout->addWidget(m_settings);
    layout->addWidget(target);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);
    connect(m_settings, &SettingsForm::changed, this, &GenerateDialog::preview);
    const auto showKind = [this, what] {
        const Generators::Kind &kind = Generators::kinds().at(m_kind->currentIndex());
        what->setText(QCoreApplication::translate("Generators", kind.what));
        m_settings->showTable(kind.settings, m_document.stringLeds());
        m_settings->chainFocus(m_kind, m_buttons);
        preview();
    };
    connect(m_kind, &QComboBox::currentIndexChanged, this, showKind);
    showKind();
}

QString GenerateDialog::kind() const
{
    return m_kind->currentText();
}

void GenerateDialog::preview()
{
    try {
        m_document.showPreview(m_rows, Generators::frames(kind(), m_settings->settings(), m_document.stringLeds()));
        m_problem->clear();
    } catch (const AppError &error) {
        m_problem->setText(error.message()); // the image keeps the last effect that could be made
    }
}

void GenerateDialog::accept()
{
    m_document.endPreview(true, tr("Generate %1").arg(kind()));
    QDialog::accept();
}

void GenerateDialog::reject()
{
    m_document.endPreview(false, QString());
    QDialog::reject();
}
