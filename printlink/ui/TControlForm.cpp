#include "TControlForm.h"

#include "TAboutForm.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The designed window is 445 x 181 with its frame; this is its client area.
constexpr QSize kClientSize(437, 154);
constexpr int kRowHeight = 16;
constexpr int kColumnWidth = 420;
// Small enough for the 16-pixel rows.
constexpr int kGridFontPixels = 11;

QTableWidget* NewStatusGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(TControlForm::kRowCount, 1, parent);
    QFont font = grid->font();
    font.setPixelSize(kGridFontPixels);
    grid->setFont(font);
    grid->setGeometry(8, 24, 425, 89);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setColumnWidth(0, kColumnWidth);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen (by mouse or arrow keys) only to print a failed job again.
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int row = 0; row < TControlForm::kRowCount; ++row) {
        grid->setItem(row, 0, new QTableWidgetItem());
    }
    return grid;
}

QLabel* NewWebLink(QWidget* parent)
{
    const QString address = TAboutForm::kWebAddress.toString();
    auto* link = new QLabel(QStringLiteral("<a href=\"http://%1\" style=\"color:#0000ff; font-weight:bold; "
                                           "text-decoration:underline\">%1</a>")
                                .arg(address),
                            parent);
    QFont font = link->font();
    font.setPixelSize(13);
    font.setBold(true);
    link->setFont(font);
    link->move(232, 126);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return link;
}

} // namespace

TControlForm::TControlForm(TAboutForm& about, QWidget* parent)
    : QWidget(parent), m_about(about), m_grid(NewStatusGrid(this)), m_openUrl(&QDesktopServices::openUrl),
      m_rowMenu(new QMenu(this)), m_printAgain(m_rowMenu->addAction(QStringLiteral("Print again")))
{
    setWindowTitle(kTitle.toString());
    // A tool window: the program keeps out of the taskbar, and has only a close box.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);

    auto* caption = new QLabel(QStringLiteral("Job Status"), this);
    caption->move(12, 8);

    auto* aboutButton = new QPushButton(QStringLiteral("About"), this);
    aboutButton->setGeometry(10, 117, 81, 33);
    connect(aboutButton, &QPushButton::clicked, this, [this] {
        m_about.CentreOver(this);
        m_about.exec();
    });
    auto* hideButton = new QPushButton(QStringLiteral("Hide"), this);
    hideButton->setGeometry(94, 117, 81, 33);
    connect(hideButton, &QPushButton::clicked, this, &QWidget::hide);

    QLabel* link = NewWebLink(this);
    link->adjustSize();
    connect(link, &QLabel::linkActivated, this, &TControlForm::OpenWebAddress);

    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        const int row = m_grid->indexAt(position).row();
        ShowRowMenu(row >= 0 ? row : m_grid->currentRow());
    });
    connect(m_printAgain, &QAction::triggered, this, [this] {
        if (m_menuRow >= 0 && m_failedJobHeld[m_menuRow]) {
            emit PrintAgainRequested(m_menuRow);
        }
    });
}

void TControlForm::SetFailedJobHeld(int row, bool held)
{
    if (row < 0 || row >= kRowCount) {
        return;
    }
    m_failedJobHeld[row] = held;
    const int current = m_grid->currentRow();
    if (held && (current < 0 || !m_failedJobHeld[current])) {
        m_grid->setCurrentCell(row, 0);
    }
}

void TControlForm::ShowRowMenu(int row)
{
    if (row < 0 || row >= kRowCount) {
        return;
    }
    m_menuRow = row;
    m_printAgain->setEnabled(m_failedJobHeld[row]);
    const QRect cell = m_grid->visualRect(m_grid->model()->index(row, 0));
    m_rowMenu->popup(m_grid->viewport()->mapToGlobal(cell.center()));
}

void TControlForm::SetStatusRow(int row, const QString& text)
{
    if (QTableWidgetItem* item = m_grid->item(row, 0)) {
        item->setText(text);
        // A long row (a PDF file's path) is cut at the column's edge; the tooltip shows it whole.
        item->setToolTip(text);
    }
}

QString TControlForm::StatusRow(int row) const
{
    const QTableWidgetItem* item = m_grid->item(row, 0);
    return item != nullptr ? item->text() : QString();
}

void TControlForm::OpenWebAddress()
{
    if (!m_openUrl(QUrl(QStringLiteral("http://") + TAboutForm::kWebAddress.toString()))) {
        QMessageBox::warning(this, kTitle.toString(), QStringLiteral("Unable to start web browser."));
    }
}
