#include "CWidgetPrompter.h"

#include "CCalculatorDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

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

} // namespace

CWidgetPrompter::CWidgetPrompter(const QString& title) : m_title(title) {}

void CWidgetPrompter::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Information, m_title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool CWidgetPrompter::AskYesNo(const QString& question, Icon icon)
{
    QMessageBox box(BoxIcon(icon), m_title, question, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

QString CWidgetPrompter::RunFileDialog(const CFileChoice& choice, bool save)
{
    QFileDialog dialog(m_parent, choice.title, choice.suggestedName, choice.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(choice.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
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
