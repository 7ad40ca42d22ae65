#include "CHomeView.h"

#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CommandIds.h"
#include "UiScale.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kFormColor(210, 210, 210);
const QColor kStaticTextColor(0, 0, 255);

enum Group
{
    kCustomers,
    kVendors,
    kUser
};

struct HomeButton
{
    const char* objectName;
    const char* caption;
    CIconFactory::Kind icon;
    int command;
    Group group;
    int row;
    int column;
};

const HomeButton kHomeButtons[] = {
    {"sellProductButton", "Sell Product", CIconFactory::Kind::Sale, CommandId::kSale, kCustomers, 0, 0},
    {"customersListButton", "Customers List", CIconFactory::Kind::Customers, CommandId::kCustomerList, kCustomers, 0,
     1},
    {"productsListButton", "Products List", CIconFactory::Kind::ProductList, CommandId::kProductList, kCustomers, 1, 0},
    {"customersCategoryListButton", "Category List", CIconFactory::Kind::Category, CommandId::kCategoryList, kCustomers,
     1, 1},
    {"saleTaxListButton", "Sale Tax List", CIconFactory::Kind::SaleTax, CommandId::kSaleTaxList, kCustomers, 2, 0},
    {"customersReportButton", "Report", CIconFactory::Kind::Reports, CommandId::kReports, kCustomers, 2, 1},
    {"purchaseButton", "Purchase", CIconFactory::Kind::Purchase, CommandId::kPurchase, kVendors, 0, 0},
    {"vendorsListButton", "Vendors List", CIconFactory::Kind::Vendors, CommandId::kVendorList, kVendors, 0, 1},
    {"productListButton", "Product List", CIconFactory::Kind::ProductList, CommandId::kProductList, kVendors, 1, 0},
    {"vendorsCategoryListButton", "Category List", CIconFactory::Kind::Category, CommandId::kCategoryList, kVendors, 1,
     1},
    {"vendorsReportButton", "Report", CIconFactory::Kind::Reports, CommandId::kReports, kVendors, 2, 0},
    {"invAssetsButton", "Inv Assets", CIconFactory::Kind::InventoryAssets, CommandId::kInventoryAssets, kUser, 0, 0},
    {"userReportButton", "Report", CIconFactory::Kind::Reports, CommandId::kReports, kUser, 0, 1},
    {"myCompanyButton", "My Company", CIconFactory::Kind::MyCompany, CommandId::kMyCompany, kUser, 1, 0},
};

// Grey form, blue static texts, as every control of the home screen is coloured.
void UseHomeColors(QWidget* widget)
{
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Window, kFormColor);
    colors.setColor(QPalette::WindowText, kStaticTextColor);
    widget->setPalette(colors);
}

} // namespace

CHomeView::CHomeView(CInventoryDoc& doc, QWidget* parent) : CScreenView(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("homeView"));
    setAutoFillBackground(true);
    UseHomeColors(this);
    m_pages = new QStackedLayout(this);
    m_startPage = CreateStartPage();
    m_buttonPage = CreateButtonPage();
    m_pages->addWidget(m_startPage);
    m_pages->addWidget(m_buttonPage);
    m_pages->setCurrentWidget(m_startPage);
}

QWidget* CHomeView::CreateStartPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(DialogUnitsX(6), DialogUnitsY(9), DialogUnitsX(5), 0);
    layout->setSpacing(0);
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("startPicture"));
    const QSize pictureSize = DialogUnitsRect(0, 0, 145, 52).size();
    picture->setPixmap(CIconFactory::StartPicture(pictureSize));
    picture->setFixedSize(pictureSize);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addSpacing(DialogUnitsY(85 - 9 - 52));
    m_progress = new QLabel(QStringLiteral("Starting ...."), page);
    m_progress->setObjectName(QStringLiteral("progressText"));
    m_progress->setMinimumHeight(DialogUnitsY(8));
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

QWidget* CHomeView::CreateButtonPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(DialogUnitsX(3), DialogUnitsY(1), DialogUnitsX(3), DialogUnitsY(2));
    layout->setSpacing(DialogUnitsY(2));
    layout->addWidget(CreateGroup(QStringLiteral("For The Customers"), kCustomers));
    layout->addWidget(CreateGroup(QStringLiteral("For The Vendors"), kVendors));
    layout->addWidget(CreateGroup(QStringLiteral("For The User"), kUser));
    layout->addStretch();
    return page;
}

QGroupBox* CHomeView::CreateGroup(const QString& title, int group)
{
    auto* box = new QGroupBox(title, m_buttonPage);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(DialogUnitsX(3), DialogUnitsY(2), DialogUnitsX(3), DialogUnitsY(2));
    grid->setHorizontalSpacing(DialogUnitsX(3));
    grid->setVerticalSpacing(DialogUnitsY(1));
    for (const HomeButton& entry : kHomeButtons) {
        if (entry.group != group) {
            continue;
        }
        auto* button = new CIconPushButton(entry.icon, QString::fromLatin1(entry.caption), box);
        button->setObjectName(QString::fromLatin1(entry.objectName));
        button->setMinimumHeight(DialogUnitsY(12));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, command = entry.command] { emit CommandRequested(command); });
        grid->addWidget(button, entry.row, entry.column);
        m_buttons.append({button, entry.command});
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void CHomeView::InitialUpdate()
{
    m_loadPending = true;
    update();
}

void CHomeView::paintEvent(QPaintEvent* event)
{
    CScreenView::paintEvent(event);
    // The load runs from the event loop once the view has been painted, so the start picture is
    // on screen while the file opens.
    if (m_loadPending) {
        m_loadPending = false;
        QTimer::singleShot(0, this, &CHomeView::LoadCatalogue);
    }
}

void CHomeView::ShowProgress(const QString& text)
{
    m_progress->setText(text);
    repaint();
}

void CHomeView::LoadCatalogue()
{
    repaint();
    const auto result = m_doc.LoadCatalogue([this](const QString& text) { ShowProgress(text); });
    const bool ready =
        result != CInventoryDoc::CatalogueLoad::CreateFailed && result != CInventoryDoc::CatalogueLoad::Unusable;
    if (ready) {
        m_pages->setCurrentWidget(m_buttonPage);
    }
    emit CatalogueLoaded(ready);
}

void CHomeView::UpdateCommandStates(const std::function<bool(int)>& isAvailable)
{
    for (const auto& [button, command] : std::as_const(m_buttons)) {
        button->setEnabled(isAvailable(command));
    }
}

bool CHomeView::IsReady() const
{
    return m_pages->currentWidget() == m_buttonPage;
}

QString CHomeView::ProgressText() const
{
    return m_progress->text();
}
