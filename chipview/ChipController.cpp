// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chipview/ChipController.h"

#include "chip/ChipAccess.h"
#include "chip/ChipJob.h"
#include "chip/ChipTargets.h"
#include "chipview/ChipTargetDialog.h"
#include "common/ProgramTexts.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"
#include "widgets/ErrorBox.h"
#include "widgets/QuestionBox.h"

#include <QDateTime>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>

namespace {
QString pageNumbers(const QList<int> &pages)
{
    QStringList numbers;
    for (const int page : pages)
        numbers << QString::number(page);
    return numbers.join(QStringLiteral(", "));
}
} // namespace

ChipController::ChipController(QMainWindow *window, EffectDocument &document, EffectImage &image,
    ComparisonSession &comparison, ImageReplacer showNewImage, const QString &dataHome)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_image(image)
    , m_comparison(comparison)
    , m_showNewImage(std::move(showNewImage))
    , m_dataHome(dataHome)
    , m_menu(new QMenu(Texts::shown(Texts::ChipMenu), window))
    , m_job(new ChipJob(this))
{
    m_menu->setObjectName(QStringLiteral("chipMenu"));
    const auto add = [this](const char *caption, const char *name, void (ChipController::*command)()) {
        QAction *action = m_menu->addAction(Texts::shown(caption), this, command);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add(Texts::ReadFromChipCommand, "readFromChipAction", &ChipController::readFromChip)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    add(Texts::WriteToChipCommand, "writeToChipAction", &ChipController::writeToChip);
    add(Texts::VerifyChipCommand, "verifyChipAction", &ChipController::verifyChip);
    m_menu->addSeparator();
    m_menu->addAction(Texts::shown(Texts::ChooseChipCommand), this, &ChipController::chooseTarget)
        ->setObjectName(QStringLiteral("chooseChipAction"));
    connect(m_job, &ChipJob::progressed, this, &ChipController::showProgress);
}

ChipController::~ChipController()
{
    m_closing = true; // the job's end, if it comes, shows nothing
}

QByteArray ChipController::imageBytes()
{
    m_image.storeBack();
    return ImageEncoder::encode(m_image, m_document.layout());
}

void ChipController::loadChipImage(const QByteArray &bytes)
{
    const ImageLayout layout = ImageDecoder::layoutForChipSize(bytes.size());
    m_showNewImage([&] {
        ImageDecoder::decode(bytes, layout, m_image);
        m_document.loaded(QString(), layout);
    });
}

void ChipController::showDifferences(const QByteArray &bytes)
{
    EffectImage chip;
    ImageDecoder::decode(bytes, m_document.layout(), chip);
    m_comparison.compareWithImage(chip, tr("the chip"));
}

bool ChipController::isWorking() const
{
    return m_job->isRunning();
}

bool ChipController::chooseTarget()
{
    const std::optional<QString> chosen = ChipTargetDialog::ask(m_window, m_target);
    if (chosen)
        m_target = *chosen;
    return chosen.has_value();
}

void ChipController::inform(const QString &text, bool warning) const
{
    if (warning) {
        ErrorBox::show(m_window, text);
        return;
    }
    QuestionBox box(m_window, QStringLiteral("chipResultBox"), text);
    box.setIcon(QMessageBox::Information);
    box.addAnswer(QMessageBox::Ok, tr("OK"), true);
    box.exec();
}

void ChipController::run(const QString &title,
    std::function<void(const ChipTransfer::ProgressHandler &, const std::atomic_bool &)> work,
    std::function<void()> done)
{
    if (isWorking())
        return;
    m_progress = new QProgressDialog(title, tr("Cancel"), 0, 1, m_window);
    m_progress->setObjectName(QStringLiteral("chipProgress"));
    m_progress->setWindowTitle(ErrorBox::title());
    m_progress->setWindowModality(Qt::WindowModal); // the window paints and the preview plays on
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, m_job, &ChipJob::cancel);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(m_job, &ChipJob::finished, this, [this, connection, done](const QString &error) {
        disconnect(*connection);
        m_progress->hide(); // now: the result's box must not open under it
        m_progress->deleteLater();
        m_progress = nullptr;
        if (m_closing)
            return;
        if (!error.isEmpty())
            inform(error, true);
        else
            done();
    });
    m_job->start(std::move(work));
    m_progress->show();
}

void ChipController::showProgress(const ChipTransfer::Progress &progress)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(progress.chipPage >= 0
            ? tr("%1 %2: chip page %3, %4 of %5 bytes")
                  .arg(progress.step, m_target)
                  .arg(progress.chipPage)
                  .arg(progress.done)
                  .arg(progress.total)
            : tr("%1 %2: %3 of %4 bytes").arg(progress.step, m_target).arg(progress.done).arg(progress.total));
    m_progress->setMaximum(progress.total);
    // Last: a modal progress dialog handles events here, the job's end among them.
    m_progress->setValue(progress.done);
}

bool ChipController::mayClose()
{
    if (!isWorking())
        return true;
    QuestionBox box(m_window, QStringLiteral("chipWorkQuestion"),
        tr("The chip is being worked on. Wait for it, or cancel the work at the next chip page?"));
    box.addAnswer(QMessageBox::Retry, tr("&Wait"), true);
    QAbstractButton *cancel = box.addAnswer(QMessageBox::Abort, tr("&Cancel the Work"));
    box.exec();
    if (box.clickedButton() != cancel || !isWorking())
        return !isWorking();
    m_closing = true;
    m_job->cancel();
    m_job->waitForFinished();
    return true;
}

void ChipController::readFromChip()
{
    if (isWorking() || !m_document.maybeSave() || (m_target.isEmpty() && !chooseTarget()))
        return;
    auto bytes = std::make_shared<QByteArray>();
    const QString target = m_target;
    run(
        tr("Reading the chip"),
        [target, bytes](const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, false);
            *bytes = ChipTransfer(*chip, progress, &cancel).readAll();
        },
        [this, bytes] { loadChipImage(*bytes); });
}

void ChipController::verifyChip()
{
    if (isWorking() || (m_target.isEmpty() && !chooseTarget()))
        return;
    const QByteArray image = imageBytes();
    auto bytes = std::make_shared<QByteArray>();
    const QString target = m_target;
    run(
        tr("Reading the chip"),
        [target, image, bytes](const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, false);
            ChipTransfer transfer(*chip, progress, &cancel);
            transfer.checkSize(image);
            *bytes = transfer.readAll();
        },
        [this, image, bytes] {
            const QList<int> pages = ChipTransfer::differingEffectPages(*bytes, image);
            if (pages.isEmpty()) {
                inform(tr("The chip holds this image"), false);
                return;
            }
            QuestionBox box(m_window, QStringLiteral("chipDiffersBox"),
                tr("The chip differs from this image on pages %1.").arg(pageNumbers(pages)));
            box.setIcon(QMessageBox::Warning);
            QAbstractButton *show = box.addAnswer(QMessageBox::Yes, tr("&Show the Differences"), true);
            box.addAnswer(QMessageBox::Close, tr("&Close"));
            box.exec();
            if (box.clickedButton() == show)
                showDifferences(*bytes);
        });
}

void ChipController::writeToChip()
{
    if (isWorking() || (m_target.isEmpty() && !chooseTarget()))
        return;
    const QByteArray image = imageBytes();
    auto chip = std::make_shared<std::shared_ptr<ChipAccess>>();
    auto plan = std::make_shared<ChipTransfer::Plan>();
    const QString target = m_target;
    run(
        tr("Reading the chip"),
        [target, image, chip, plan](const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            *chip = ChipTargets::open(target, true);
            *plan = ChipTransfer(**chip, progress, &cancel).plan(image);
        },
        [this, chip, plan, image] { confirmWrite(*chip, *plan, image); });
}

void ChipController::confirmWrite(
    std::shared_ptr<ChipAccess> chip, const ChipTransfer::Plan &plan, const QByteArray &image)
{
    if (plan.chipPages.isEmpty()) {
        inform(tr("%1 already holds this image: nothing to write.").arg(m_target), false);
        return;
    }
    const QString backup = ChipTransfer::backupPath(m_dataHome, m_target, QDateTime::currentDateTime());
    QuestionBox box(m_window, QStringLiteral("chipWriteQuestion"),
        tr("Write this image to %1, a %2-byte chip?\n\nPages that will change: %3.\n%4 bytes in %5 chip pages, "
           "about %6 s.\n\nThe chip's present contents are saved first as %7")
            .arg(m_target)
            .arg(chip->size())
            .arg(pageNumbers(plan.effectPages))
            .arg(plan.bytes())
            .arg(plan.chipPages.size())
            .arg(QString::number(plan.estimatedMilliseconds() / 1000.0, 'f', 1))
            .arg(backup));
    QAbstractButton *write = box.addAnswer(QMessageBox::Yes, tr("&Write"));
    box.addAnswer(QMessageBox::Cancel, tr("Cancel"), true);
    box.exec();
    if (box.clickedButton() != write)
        return;
    auto outcome = std::make_shared<ChipTransfer::Outcome>();
    run(
        tr("Writing the chip"),
        [chip, plan, image, backup, outcome](
            const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            *outcome = ChipTransfer(*chip, progress, &cancel).write(plan, image, backup);
        },
        [this, outcome] { inform(outcome->summary(), !outcome->clean); });
}
