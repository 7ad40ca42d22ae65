#include "CWidgetPrompter.h"

#include "CCalculatorDlg.h"
#include "CProgressDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>

#include <algorithm>

namespace {

// The bar's range: steps may count beyond what an int holds.
constexpr int kProgressScale = 1000;

// Qt's own file dialog is laid out for the desktop's font; with the program's larger one it opens
// wide and tall enough to show its side bar, a few columns and a dozen files, within the screen.
QSize FileDialogSize(const QFileDialog& dialog)
{
    const QFontMetrics metrics(dialog.font());
    const QSize roomy(metrics.averageCharWidth() * 80, metrics.height() * 24);
    const QScreen* screen = dialog.screen();
    const QSize wanted = dialog.sizeHint().expandedTo(roomy);
    return screen == nullptr ? wanted : wanted.boundedTo(screen->availableSize());
}

QMessageBox::Icon BoxIcon(CPrompter::Icon icon)
{
    switch (icon) {
    case CPrompter::Icon::Question:
        return QMessageBox::Question;
    case CPrompter::Icon::Warning:
        return QMessageBox::Warning;
    case CPrompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

// A box shown during a long task, under the wait cursor, takes the ordinary pointer while it is
// open: it waits for the user, not the user for it.
int ExecWithPointer(QDialog& box)
{
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const int result = box.exec();
    if (waiting) {
        QApplication::restoreOverrideCursor();
    }
    return result;
}

} // namespace

CWidgetPrompter::CWidgetPrompter(const QString& title) : m_title(title) {}

CWidgetPrompter::~CWidgetPrompter() = default;

void CWidgetPrompter::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Information, m_title, text, QMessageBox::Ok, m_parent);
    ExecWithPointer(box);
}

bool CWidgetPrompter::AskYesNo(const QString& question, Icon icon)
{
    QMessageBox box(BoxIcon(icon), m_title, question, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(icon == Icon::Warning ? QMessageBox::No : QMessageBox::Yes);
    return ExecWithPointer(box) == QMessageBox::Yes;
}

QString CWidgetPrompter::RunFileDialog(const CFileChoice& choice, bool save)
{
    QFileDialog dialog(m_parent, choice.title, choice.suggestedName, choice.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(choice.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
    dialog.resize(FileDialogSize(dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

QString CWidgetPrompter::ChooseSaveFile(const CFileChoice& choice)
{
    return RunFileDialog(choice, true);
}

QString CWidgetPrompter::ChooseOpenFile(const CFileChoice& choice)
{
    return RunFileDialog(choice, false);
}

std::optional<double> CWidgetPrompter::RunNumberPad(const QString& title, const QString& topLine, double start)
{
    return CCalculatorDlg::Run(title, topLine, start, m_parent);
}

void CWidgetPrompter::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CWidgetPrompter::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

void CWidgetPrompter::BeginProgress(const QString& text, qint64 steps, Cancel cancel)
{
    // With no known number of steps the bar only shows that work goes on.
    m_progress =
        std::make_unique<CProgressDialog>(text, steps > 0 ? kProgressScale : 0, cancel == Cancel::Offered, m_parent);
    m_progress->setObjectName(QStringLiteral("progressDialog"));
    m_progress->setWindowTitle(m_title);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoReset(false);
    m_progressSteps = steps;
    m_progress->setValue(0);
    // The caller only begins progress for a long task, so it shows at once.
    m_progress->show();
}

bool CWidgetPrompter::StepProgress(qint64 done)
{
    if (!m_progress) {
        return true;
    }
    // A modal dialog's setValue also handles the events that reach it, the Cancel button's among them,
    // but only when the value moves; otherwise (a bar without steps among them) they are handled here.
    const int value = m_progressSteps > 0
                          ? static_cast<int>(std::min(done, m_progressSteps) * kProgressScale / m_progressSteps)
                          : m_progress->value();
    if (value != m_progress->value()) {
        m_progress->setValue(value);
    } else {
        QCoreApplication::processEvents();
    }
    return !m_progress->wasCanceled();
}

void CWidgetPrompter::EndProgress()
{
    m_progress.reset();
}
