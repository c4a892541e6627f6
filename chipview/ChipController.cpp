// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chipview/ChipController.h"

#include "chip/ChipAccess.h"
#include "chip/ChipJob.h"
#include "chip/ChipTargets.h"
#include "chipview/ChipTargetDialog.h"
#include "common/FileStamp.h"
#include "common/FolderMaker.h"
#include "common/LocalPath.h"
#include "common/PageRanges.h"
#include "common/ProgramTexts.h"
#include "common/RegularFile.h"
#include "common/WholeFile.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"
#include "widgets/ErrorBox.h"
#include "widgets/QuestionBox.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>
#include <cstdio>
#include <unistd.h>

namespace {
// Beside the backups: what a write stopped by a termination signal left on the chip.
constexpr char InterruptedReportName[] = "/interrupted-chip-work.txt";
} // namespace

ChipController::ChipController(
    QMainWindow *window, EffectDocument &document, ComparisonSession &comparison, const QString &dataHome)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_comparison(comparison)
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

ChipController::~ChipController() = default;

QByteArray ChipController::imageBytes() const
{
    return ImageEncoder::encode(m_document.image(), m_document.layout());
}

void ChipController::loadChipImage(const QByteArray &bytes)
{
    const ImageLayout layout = ImageDecoder::layoutForChipSize(bytes.size());
    EffectImage chip;
    ImageDecoder::decode(bytes, layout, chip);
    m_document.replaceImage(chip, QString(), layout);
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

void ChipController::inform(const QString &text, bool warning)
{
    // Ending on a signal: nobody may be there to read a box. Standard error has it now, and the
    // next start shows it.
    if (m_exiting) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        m_exitReport += text;
        return;
    }
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
    // Titled by the work, so that no one (a person, a script driving the window) takes it for
    // one of the program's questions.
    m_progress->setWindowTitle(title);
    m_progress->setWindowModality(Qt::WindowModal); // the window paints and the preview plays on
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, m_job, &ChipJob::cancel);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection
        = connect(m_job, &ChipJob::finished, this, [this, connection, done](const QString &error, bool cancelled) {
              disconnect(*connection);
              m_progress->hide(); // now: the result's box must not open under it
              m_progress->deleteLater();
              m_progress = nullptr;
              // A stop the user asked for is no error: a read stopped halfway has nothing to show.
              if (!error.isEmpty() && !cancelled)
                  inform(error, true);
              else if (error.isEmpty())
                  done();
              if (m_closeWhenDone) {
                  m_closeWhenDone = false;
                  QMetaObject::invokeMethod(m_window, &QWidget::close, Qt::QueuedConnection);
              }
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

void ChipController::stopForExit()
{
    if (!isWorking())
        return;
    m_exiting = true;
    m_job->cancel();
    m_job->waitForFinished();
    m_exiting = false;
    if (m_exitReport.isEmpty())
        return;
    const QString folder = m_dataHome + QStringLiteral("/Glimmerview");
    FolderMaker::make(folder);
    QString reason;
    if (!WholeFile::write(folder + QLatin1String(InterruptedReportName), m_exitReport.toUtf8(), &reason))
        std::fprintf(stderr, "%s\n", qPrintable(reason));
}

void ChipController::reportInterruptedWork()
{
    const QString path = m_dataHome + QStringLiteral("/Glimmerview") + QLatin1String(InterruptedReportName);
    const std::optional<QByteArray> report = RegularFile::readHead(path, 64 * 1024);
    if (!report)
        return;
    ::unlink(LocalPath::encode(path).constData());
    inform(tr("The last run ended during chip work. %1").arg(QString::fromUtf8(*report)), true);
}

bool ChipController::mayClose()
{
    if (!isWorking())
        return true;
    QuestionBox box(m_window, QStringLiteral("chipWorkQuestion"),
        tr("The chip is being worked on. Wait for it and then close, or cancel the work at the next chip page?"));
    QAbstractButton *wait = box.addAnswer(QMessageBox::Retry, tr("&Wait, Then Close"), true);
    QAbstractButton *cancel = box.addAnswer(QMessageBox::Abort, tr("&Cancel the Work"));
    box.exec();
    if (!isWorking())
        return true;
    if (box.clickedButton() == wait) {
        m_closeWhenDone = true; // the job's end closes the window, after its result is shown
        return false;
    }
    if (box.clickedButton() != cancel)
        return false;
    // Stopped at the next chip page; its report is shown before the window closes.
    m_job->cancel();
    m_job->waitForFinished();
    return true;
}

void ChipController::readFromChip()
{
    if (isWorking() || !m_document.maybeSave() || (m_target.isEmpty() && !chooseTarget()))
        return;
    auto bytes = std::make_shared<QByteArray>();
    auto suspect = std::make_shared<QString>();
    const QString target = m_target;
    run(
        tr("Reading the chip"),
        [target, bytes, suspect](const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, false);
            *bytes = ChipTransfer(*chip, progress, &cancel).readAll();
            *suspect = ChipTransfer::suspectReading(*chip, *bytes);
        },
        [this, bytes, suspect] {
            if (!suspect->isEmpty() && !m_exiting) {
                QuestionBox box(m_window, QStringLiteral("suspectReadQuestion"),
                    *suspect + QStringLiteral("\n\n") + tr("Show these bytes as the image all the same?"));
                box.setIcon(QMessageBox::Warning);
                QAbstractButton *show = box.addAnswer(QMessageBox::Yes, tr("&Show"));
                box.addAnswer(QMessageBox::Cancel, tr("Cancel"), true);
                box.exec();
                if (box.clickedButton() != show)
                    return;
            }
            refreshComparison(*bytes);
            loadChipImage(*bytes);
        });
}

void ChipController::verifyChip()
{
    if (isWorking() || refusesPartialFile() || (m_target.isEmpty() && !chooseTarget()))
        return;
    if (const QList<int> lost = rightHalfTheChipCannotHold(); !lost.isEmpty()) {
        inform(tr("This image is kept in the 8-bit layout, whose chip holds the left half of each row only: "
                  "the LEDs lit in the right half of page %1 cannot be in the chip.")
                   .arg(PageRanges::text(lost)),
            true);
        return;
    }
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
            refreshComparison(*bytes);
            const QList<int> pages = ChipTransfer::differingEffectPages(*bytes, image);
            if (pages.isEmpty()) {
                inform(tr("The chip holds this image"), false);
                return;
            }
            QuestionBox box(m_window, QStringLiteral("chipDiffersBox"),
                tr("The chip differs from this image on pages %1.").arg(PageRanges::text(pages)));
            box.setIcon(QMessageBox::Warning);
            QAbstractButton *show = box.addAnswer(QMessageBox::Yes, tr("&Show the Differences"), true);
            box.addAnswer(QMessageBox::Close, tr("&Close"));
            box.exec();
            if (box.clickedButton() == show)
                showDifferences(*bytes);
        });
}

bool ChipController::refusesPartialFile()
{
    // Such a file was shown with its missing rows off; the chip gets only what a save wrote whole.
    const QString path = m_document.path();
    if (path.isEmpty())
        return false;
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    const qsizetype expected = ImageDecoder::byteCount(m_document.layout());
    if (!stamp || !stamp->regular || stamp->size == expected)
        return false;
    inform(tr("%1 holds %2 bytes, and an image for the chip holds exactly %3. Save the image first, so that "
              "it holds every row; nothing was sent to the chip.")
               .arg(LocalPath::displayed(QFileInfo(path).fileName()))
               .arg(stamp->size)
               .arg(expected),
        true);
    return true;
}

void ChipController::writeToChip()
{
    if (isWorking() || refusesPartialFile() || (m_target.isEmpty() && !chooseTarget()))
        return;
    // The same warning Save gives: a chip of the 8-bit layout drops the right half of each row.
    if (!rightHalfTheChipCannotHold().isEmpty() && !m_document.acceptsEightBitLoss(m_document.layout()))
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
        [this, chip, plan, image] { confirmWrite(*chip, *plan, image, false); });
}

void ChipController::confirmWrite(
    std::shared_ptr<ChipAccess> chip, const ChipTransfer::Plan &plan, const QByteArray &image, bool changedMeanwhile)
{
    if (m_exiting)
        return; // nobody to ask
    refreshComparison(plan.before);
    if (plan.chipPages.isEmpty()) {
        inform(tr("%1 already holds this image: nothing to write.").arg(m_target), false);
        return;
    }
    const QString backup = ChipTransfer::backupPath(m_dataHome, m_target, QDateTime::currentDateTime());
    const QString question
        = tr("Write this image to %1, a %2-byte chip?\n\nPages that will change: %3.\n%4 bytes in %5 chip pages, "
             "about %6 s.\n\nThe chip's present contents are saved first as %7")
              .arg(m_target)
              .arg(chip->size())
              .arg(PageRanges::text(plan.effectPages))
              .arg(plan.bytes())
              .arg(plan.chipPages.size())
              .arg(QLocale().toString(plan.estimatedMilliseconds() / 1000.0, 'f', 1))
              .arg(backup);
    // Bytes the programmer cannot vouch for would become the backup: said before the question.
    QStringList warnings;
    if (changedMeanwhile) {
        warnings << tr("The chip changed while the question was open: another writer, or another chip "
                       "in the clip. What it holds now is what this question describes.");
    }
    if (const QString suspect = ChipTransfer::suspectReading(*chip, plan.before); !suspect.isEmpty())
        warnings << suspect;
    warnings << question;
    QuestionBox box(m_window, QStringLiteral("chipWriteQuestion"), warnings.join(QStringLiteral("\n\n")));
    QAbstractButton *write = box.addAnswer(QMessageBox::Yes, tr("&Write"));
    box.addAnswer(QMessageBox::Cancel, tr("Cancel"), true);
    box.exec();
    if (box.clickedButton() != write)
        return;
    // The chip is read again now: the backup holds what it holds at this moment, and a chip that
    // changed while the question was open is asked about again.
    auto outcome = std::make_shared<ChipTransfer::Outcome>();
    auto now = std::make_shared<ChipTransfer::Plan>();
    run(
        tr("Writing the chip"),
        [chip, before = plan.before, image, backup, outcome, now](
            const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel) {
            ChipTransfer transfer(*chip, progress, &cancel);
            *now = transfer.plan(image);
            if (now->before == before)
                *outcome = transfer.write(*now, image, backup);
        },
        [this, chip, plan, now, image, outcome] {
            if (now->before != plan.before) {
                confirmWrite(chip, *now, image, true);
                return;
            }
            refreshComparison(outcome->held);
            inform(outcome->summary(), !outcome->clean);
        });
}

QList<int> ChipController::rightHalfTheChipCannotHold() const
{
    return m_document.layout() == ImageLayout::Bits8 ? ImageEncoder::rightHalfLitPages(m_document.image())
                                                     : QList<int>();
}

void ChipController::refreshComparison(const QByteArray &chipBytes)
{
    // Only a comparison with the chip itself follows what the chip now holds.
    if (m_comparison.isActive() && m_comparison.referencePath().isEmpty()
        && m_comparison.referenceName() == tr("the chip"))
        showDifferences(chipBytes);
}
