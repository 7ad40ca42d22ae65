#include "CSetupListDlg.h"

#include "CIconPushButton.h"
#include "CMainFrame.h"
#include "UiScale.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRowHeight = 17;
constexpr int kCloseWidth = 20;
constexpr int kCloseHeight = 16;
} // namespace

CSetupListDlg::CSetupListDlg(const QString& heading, const QString& nameLabel, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(CMainFrame::kApplicationTitle);
    resize(Scaled(240), Scaled(268));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(4), Scaled(2), Scaled(4), Scaled(4));
    layout->setSpacing(Scaled(3));

    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("heading"));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(ScaledFont(12, true));
    layout->addWidget(title);

    m_fields = new QGridLayout;
    m_fields->setHorizontalSpacing(Scaled(3));
    auto* name = new QLabel(nameLabel, this);
    m_fields->addWidget(name, 0, 0);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    // A screen reader names each field by its caption.
    name->setBuddy(m_name);
    m_fields->addWidget(m_name, 0, 1);
    layout->addLayout(m_fields);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Scaled(3));
    m_add = AddButton(CIconFactory::Kind::Add, QStringLiteral("Add"), QStringLiteral("addButton"));
    m_update = AddButton(CIconFactory::Kind::Edit, QStringLiteral("Update"), QStringLiteral("updateButton"));
    m_delete = AddButton(CIconFactory::Kind::Delete, QStringLiteral("Delete"), QStringLiteral("deleteButton"));
    for (CIconPushButton* button : {m_add, m_update, m_delete}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_add, &QPushButton::clicked, this, [this] { Run(&CSetupListDlg::Add); });
    connect(m_update, &QPushButton::clicked, this, [this] { Run(&CSetupListDlg::Update); });
    connect(m_delete, &QPushButton::clicked, this, [this] { Run(&CSetupListDlg::Delete); });

    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setAccessibleName(heading);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setMinimumSectionSize(1);
    m_list->verticalHeader()->setDefaultSectionSize(Scaled(kRowHeight));
    m_list->horizontalHeader()->setHighlightSections(false);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &CSetupListDlg::SelectionChanged);
    layout->addWidget(m_list, 1);

    // Outside the layout: it keeps to the top right corner whatever the size.
    m_close = new CIconPushButton(CIconFactory::Kind::Cancel, QString(), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setToolTip(QStringLiteral("Close"));
    m_close->setAccessibleName(QStringLiteral("Close"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

CIconPushButton* CSetupListDlg::AddButton(CIconFactory::Kind icon, const QString& caption, const QString& objectName)
{
    auto* button = new CIconPushButton(icon, caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void CSetupListDlg::Initialize()
{
    Fill();
}

void CSetupListDlg::Fill()
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QStringList headers = Headers();
    const QList<QStringList> rows = Rows();
    m_list->setColumnCount(headers.size());
    m_list->setHorizontalHeaderLabels(headers);
    m_list->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            m_list->setItem(row, column, new QTableWidgetItem(rows[row][column]));
        }
    }
    m_list->resizeColumnsToContents();
    SelectionChanged();
}

void CSetupListDlg::SelectionChanged()
{
    const QList<QTableWidgetItem*> selected = m_list->selectedItems();
    const int index = selected.isEmpty() ? -1 : selected.constFirst()->row();
    Select(index);
    m_update->setEnabled(index >= 0);
    m_delete->setEnabled(index >= 0);
}

void CSetupListDlg::Run(bool (CSetupListDlg::*operation)())
{
    if ((this->*operation)()) {
        Fill();
    }
}

void CSetupListDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_close->setGeometry(width() - Scaled(kCloseWidth), Scaled(1), Scaled(kCloseWidth), Scaled(kCloseHeight));
    m_close->raise();
}
