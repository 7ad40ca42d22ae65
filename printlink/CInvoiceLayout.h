#pragma once

#include "InvoicePage.h"

#include <QString>
#include <QStringList>

// The invoice form's label texts and item rows. Labels start with their design captions and keep
// the text they were last given from job to job; the item rows are each job's own.
class CInvoiceLayout
{
public:
    CInvoiceLayout();

    // Sets the labels named by the job's keys (blanks trimmed), then the first item row (empty for a
    // job without items) and the tax total caption. Item lines beyond the most a job may hold are
    // dropped.
    void Fill(const QString& jobText);

    // The text of the label called name; empty for an unknown name.
    QString LabelText(QStringView name) const;
    // This job's item texts ("Item" values without their first character).
    const QStringList& ItemTexts() const { return m_itemTexts; }

    // The item rows one page holds: those whose text ends inside the item columns.
    static int RowsPerPage();
    // Pages this job needs: one per RowsPerPage() item rows, at least one.
    int PageCount() const;

    // Page pageIndex (from 0) for a printer: the form scaled by page width / client width,
    // coordinates rounded half to even; item rows every round(client height / 50) form pixels
    // from the first row's labels down. Each page repeats the heading and the column titles;
    // only the last has the totals, and a job of several pages says "Page N of M" at the foot.
    // Empty texts are left out.
    InvoicePage Page(const PageMetrics& metrics, const ITextMeasure& measure, int pageIndex = 0) const;

private:
    void SetLabel(QStringView name, const QString& text);

    QStringList m_labelTexts; // parallel to InvoiceForm::Labels()
    QStringList m_itemTexts;
};
