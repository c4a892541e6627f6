// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "generateview/GenerateDialog.h"

#include "common/AppError.h"
#include "document/EffectDocument.h"
#include "generate/Generators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

GenerateDialog::GenerateDialog(EffectDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_before(RowTools::pagesOf(document.image()))
    , m_rows(document.selection().isEmpty() ? RowSelection::pages(1, EffectImage::PageCount).list()
                                            : document.selection().list())
    , m_kind(new QComboBox(this))
    , m_settings(new QFormLayout)
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
    layout->addLayout(m_settings);
    layout->addWidget(target);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);
    const auto showKind = [this, what] {
        what->setText(QCoreApplication::translate("Generators", Generators::kinds().at(m_kind->currentIndex()).what));
        showSettings();
    };
    connect(m_kind, &QComboBox::currentIndexChanged, this, showKind);
    showKind();
}

QString GenerateDialog::kind() const
{
    return m_kind->currentText();
}

void GenerateDialog::showSettings()
{
    while (m_settings->rowCount() > 0)
        m_settings->removeRow(0);
    m_controls.clear();
    const int leds = m_document.stringLeds();
    for (const Generators::Setting &setting : Generators::kinds().at(m_kind->currentIndex()).settings) {
        QWidget *control = nullptr;
        const QString value = QString::fromUtf8(setting.defaultValue);
        if (setting.isNumber() && setting.least == 0 && setting.most == 1) { // a yes or no
            auto *box = new QCheckBox(this);
            box->setChecked(value == QLatin1String("1"));
            connect(box, &QCheckBox::toggled, this, &GenerateDialog::preview);
            control = box;
        } else if (setting.isNumber()) {
            auto *number = new QSpinBox(this);
            number->setRange(setting.least, setting.most == Generators::Setting::StringLeds ? leds : setting.most);
            number->setValue(value.toInt());
            connect(number, &QSpinBox::valueChanged, this, &GenerateDialog::preview);
            control = number;
        } else if (setting.choices || qstrcmp(setting.name, "font") == 0) {
            auto *choice = new QComboBox(this);
            // Our pixel font first, then every installed one.
            choice->addItems(setting.choices ? setting.choiceList() : QStringList {value} + QFontDatabase::families());
            choice->setCurrentText(value);
            connect(choice, &QComboBox::currentIndexChanged, this, &GenerateDialog::preview);
            control = choice;
        } else {
            auto *text = new QLineEdit(value, this);
            connect(text, &QLineEdit::textChanged, this, &GenerateDialog::preview);
            control = text;
        }
        control->setObjectName(QString::fromLatin1(setting.name));
        m_settings->addRow(Generators::caption(setting) + QLatin1Char(':'), control);
        setTabOrder(m_controls.isEmpty() ? static_cast<QWidget *>(m_kind) : m_controls.constLast(), control);
        m_controls << control;
    }
    // The keys go from the kind through its settings to the buttons, not in the order made.
    setTabOrder(m_controls.isEmpty() ? static_cast<QWidget *>(m_kind) : m_controls.constLast(), m_buttons);
    preview();
}

QStringList GenerateDialog::settings() const
{
    QStringList given;
    for (const QWidget *control : m_controls) {
        QString value;
        if (const auto *box = qobject_cast<const QCheckBox *>(control))
            value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else if (const auto *number = qobject_cast<const QSpinBox *>(control))
            value = QString::number(number->value());
        else if (const auto *choice = qobject_cast<const QComboBox *>(control))
            value = choice->currentText();
        else
            value = static_cast<const QLineEdit *>(control)->text();
        given << control->objectName() + QLatin1Char('=') + value;
    }
    return given;
}

void GenerateDialog::preview()
{
    try {
        const int leds = m_document.stringLeds();
        RowTools::Pages pages = m_before;
        Generators::writeFrames(pages, m_rows, Generators::frames(kind(), settings(), leds), leds);
        m_document.showPreview(pages);
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
