#include "TControlForm.h"

#include "TAboutForm.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
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
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
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
    : QWidget(parent), m_about(about), m_grid(NewStatusGrid(this)), m_openUrl(&QDesktopServices::openUrl)
{
    setWindowTitle(kTitle.toString());
    // A tool window: the program keeps out of the taskbar, and has only a close box.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);

    auto* caption = new QLabel(QStringLiteral("Job Status"), this);
    caption->move(12, 8);

    auto* aboutButton = new QPushButton(QStringLiteral("About"), this);
    aboutButton->setGeometry(10, 117, 81, 33);
    connect(aboutButton, &QPushButton::clicked, &m_about, &QDialog::exec);
    auto* hideButton = new QPushButton(QStringLiteral("Hide"), this);
    hideButton->setGeometry(94, 117, 81, 33);
    connect(hideButton, &QPushButton::clicked, this, &QWidget::hide);

    QLabel* link = NewWebLink(this);
    link->adjustSize();
    connect(link, &QLabel::linkActivated, this, &TControlForm::OpenWebAddress);
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
