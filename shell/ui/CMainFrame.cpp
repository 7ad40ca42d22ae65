#include "CMainFrame.h"

#include "CButtonBar.h"
#include "CHomeView.h"
#include "CIconFactory.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CTitleStrip.h"
#include "CWholeFileCommands.h"
#include "CommandIds.h"
#include "UiScale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLayout>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kToolBarIconPixels = 16;
} // namespace

CMainFrame::CMainFrame(CInventoryDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(CIconFactory::Icon(CIconFactory::Kind::Program));
    CreateMenus();
    CreateToolBar();
    CreateCentralArea();

    m_home = new CHomeView(m_doc, m_stack);
    m_stack->addWidget(m_home);
    connect(m_home, &CHomeView::CommandRequested, this, &CMainFrame::RunCommand);
    connect(this, &CMainFrame::CommandsChanged, m_home,
            [this] { m_home->UpdateCommandStates([this](int id) { return IsCommandAvailable(id); }); });
    m_screens.insert(CommandId::kHome, {{CommandId::kHome, QStringLiteral("Home"), false, {}}, m_home});
    m_current = CommandId::kHome;

    m_changeCheck = new QTimer(this);
    m_changeCheck->setInterval(kChangeCheckMs);
    connect(m_changeCheck, &QTimer::timeout, this, &CMainFrame::CheckForChangesElsewhere);
    // Before the load there is nothing to refresh, and a file being created is no change.
    connect(m_home, &CHomeView::CatalogueLoaded, this, [this](bool ready) {
        if (ready) {
            m_shownCatalogue = m_doc.CatalogueGeneration();
            m_changeCheck->start();
        }
    });

    RegisterBuiltInCommands();
    // The handheld's screen, a little wider so that the lists' columns (243 handheld pixels) and
    // a scroll bar fit without scrolling sideways, and wider still when the toolbar needs it.
    const auto* toolBar = findChild<QToolBar*>(QStringLiteral("toolBar"));
    resize(std::max(Scaled(256), toolBar->sizeHint().width()), Scaled(320));
}

// Every menu and the commands used all day have a mnemonic; the daily commands also have the
// usual shortcuts, shown in the menus.
void CMainFrame::CreateMenus()
{
    using namespace CommandId;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(file, QStringLiteral("E&xit"), kExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    file->addSeparator();
    QMenu* import = AddSubmenu(file, QStringLiteral("&Import"));
    AddCommand(import, QStringLiteral("Import &Vendors List"), kImportVendors);
    AddCommand(import, QStringLiteral("Import &Customers List"), kImportCustomers);
    AddCommand(import, QStringLiteral("Import &Products List"), kImportProducts);
    QMenu* exportMenu = AddSubmenu(file, QStringLiteral("&Export"));
    AddCommand(exportMenu, QStringLiteral("Export &Venders List"), kExportVendors);
    AddCommand(exportMenu, QStringLiteral("Export &Customers List"), kExportCustomers);
    AddCommand(exportMenu, QStringLiteral("Export &Product Lists"), kExportProducts);
    file->addSeparator();
    AddCommand(file, QStringLiteral("Reset &Database"), kResetDatabase);
    AddCommand(file, QStringLiteral("&Backup Database..."), kBackupDatabase);
    AddCommand(file, QStringLiteral("&Restore Database..."), kRestoreDatabase);
    file->addSeparator();
    AddCommand(file, QStringLiteral("&My Company"), kMyCompany);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    QMenu* customers = AddSubmenu(tools, QStringLiteral("&Customers"));
    AddCommand(customers, QStringLiteral("&Sell"), kSale)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(customers, QStringLiteral("Customer &List"), kCustomerList);
    QMenu* vendor = AddSubmenu(tools, QStringLiteral("&Vendor"));
    AddCommand(vendor, QStringLiteral("&Purchase"), kPurchase)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    AddCommand(vendor, QStringLiteral("Vender &List"), kVendorList);
    m_setupListsMenu = AddSubmenu(tools, QStringLiteral("&Lists"));
    AddCommand(m_setupListsMenu, QStringLiteral("Sale &Tax List"), kSaleTaxList);
    AddCommand(m_setupListsMenu, QStringLiteral("C&ategory List"), kCategoryList);
    AddCommand(tools, QStringLiteral("&Products List"), kProductList)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    AddCommand(tools, QStringLiteral("&Inventory Assets"), kInventoryAssets)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    AddCommand(tools, QStringLiteral("&Reports"), kReports)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AddCommand(tools, QStringLiteral("Calc&ulator"), kCalculator);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, QStringLiteral("&About"), kAbout);
    AddCommand(help, QStringLiteral("&Help"), kHelp)->setShortcut(QKeySequence(Qt::Key_F1));

    // The toolbar's "Lists" drop-down: the two payee lists.
    m_payeeListsMenu = new QMenu(QStringLiteral("Lists"), this);
    AddCommand(m_payeeListsMenu, QStringLiteral("Vendor List"), kVendorList);
    AddCommand(m_payeeListsMenu, QStringLiteral("Customer List"), kCustomerList);
}

QMenu* CMainFrame::AddSubmenu(QMenu* parent, const QString& title)
{
    QMenu* submenu = parent->addMenu(title);
    m_submenus << submenu;
    return submenu;
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int commandId)
{
    QAction* action = menu != nullptr ? menu->addAction(text) : new QAction(text, this);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    m_actions.insert(commandId, action);
    return action;
}

QToolButton* CMainFrame::AddDropDown(const QString& toolTip, int commandId, QMenu* menu)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("dropDown%1").arg(commandId));
    button->setToolTip(toolTip);
    // An icon alone says nothing to a screen reader.
    button->setAccessibleName(toolTip);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    m_dropDowns.append({button, menu});
    return button;
}

void CMainFrame::CreateToolBar()
{
    using namespace CommandId;
    using Kind = CIconFactory::Kind;
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(Scaled(kToolBarIconPixels), Scaled(kToolBarIconPixels)));
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    const auto addButton = [this, bar](const QString& text, int commandId, Kind icon) {
        QAction* action = AddCommand(nullptr, text, commandId);
        action->setIcon(CIconFactory::Icon(icon));
        bar->addAction(action);
    };
    addButton(QStringLiteral("Home"), kHome, Kind::Home);
    addButton(QStringLiteral("Product List"), kProductList, Kind::ProductList);
    QToolButton* payeeLists =
        AddDropDown(QStringLiteral("Vendor and Customer Lists"), kPayeeListsMenu, m_payeeListsMenu);
    payeeLists->setIcon(CIconFactory::Icon(Kind::PayeeLists));
    bar->addWidget(payeeLists);
    QToolButton* setupLists =
        AddDropDown(QStringLiteral("Sale Tax and Category Lists"), kSetupListsMenu, m_setupListsMenu);
    setupLists->setIcon(CIconFactory::Icon(Kind::SetupLists));
    bar->addWidget(setupLists);
    addButton(QStringLiteral("Inventory Assets"), kInventoryAssets, Kind::InventoryAssets);
    bar->addSeparator();
    addButton(QStringLiteral("Purchase"), kPurchase, Kind::Purchase);
    addButton(QStringLiteral("Sale"), kSale, Kind::Sale);
    bar->addSeparator();
    addButton(QStringLiteral("Calculator"), kCalculator, Kind::Calculator);
    addButton(QStringLiteral("Reports"), kReports, Kind::Reports);
    addButton(QStringLiteral("Exit"), kExit, Kind::Exit);
}

void CMainFrame::CreateCentralArea()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_titleStrip = new CTitleStrip(QStringLiteral("Home"), central);
    m_titleStrip->setObjectName(QStringLiteral("titleStrip"));
    layout->addWidget(m_titleStrip);
    m_stack = new QStackedWidget(central);
    layout->addWidget(m_stack, 1);
    m_buttonBar = new CButtonBar(central);
    m_buttonBar->setObjectName(QStringLiteral("buttonBar"));
    m_buttonBar->hide();
    connect(m_buttonBar, &CButtonBar::Command, this, &CMainFrame::RunBarCommand);
    layout->addWidget(m_buttonBar);
    setCentralWidget(central);
}

void CMainFrame::RegisterBuiltInCommands()
{
    using namespace CommandId;
    RegisterCommand(kExit, [this] { close(); });
    RegisterCommand(kCalculator, [this] { OpenCalculator(); });
    RegisterCommand(kResetDatabase, [this] { RunFileCommand(&CWholeFileCommands::ResetDatabase); });
    RegisterCommand(kBackupDatabase, [this] { RunFileCommand(&CWholeFileCommands::BackupDatabase); });
    RegisterCommand(kRestoreDatabase, [this] { RunFileCommand(&CWholeFileCommands::RestoreDatabase); });
    RegisterCommand(kHelp, [this] { OpenHelp(); });
}

void CMainFrame::RegisterScreen(CScreenRegistration screen)
{
    const int commandId = screen.commandId;
    m_screens.insert(commandId, {std::move(screen), nullptr});
    UpdateCommandStates();
}

void CMainFrame::RegisterCommand(int commandId, std::function<void()> handler)
{
    m_handlers.insert(commandId, std::move(handler));
    UpdateCommandStates();
}

bool CMainFrame::IsCommandAvailable(int commandId) const
{
    return m_screens.contains(commandId) || m_handlers.contains(commandId);
}

void CMainFrame::UpdateCommandStates()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        it.value()->setEnabled(IsCommandAvailable(it.key()));
    }
    // A submenu or drop-down is offered when one of its entries is.
    const auto anyEnabled = [](const QMenu* menu) {
        const QList<QAction*> entries = menu->actions();
        return std::any_of(entries.cbegin(), entries.cend(),
                           [](const QAction* a) { return !a->isSeparator() && a->isEnabled(); });
    };
    for (QMenu* submenu : std::as_const(m_submenus)) {
        submenu->menuAction()->setEnabled(anyEnabled(submenu));
    }
    for (const auto& [button, menu] : std::as_const(m_dropDowns)) {
        button->setEnabled(anyEnabled(menu));
    }
    emit CommandsChanged();
}

void CMainFrame::RunCommand(int commandId)
{
    if (m_screens.contains(commandId)) {
        SwitchScreen(commandId);
    } else if (const auto handler = m_handlers.constFind(commandId); handler != m_handlers.cend()) {
        (*handler)();
    }
}

void CMainFrame::SwitchScreen(int commandId)
{
    const auto next = m_screens.find(commandId);
    if (commandId == m_current || next == m_screens.end()) {
        return;
    }
    m_titleStrip->SetText(next->registration.title);
    const bool created = next->view == nullptr;
    if (created) {
        CScreenView* view = next->registration.create(*this);
        next->view = view;
        m_stack->addWidget(view);
        connect(view, &CScreenView::BarCommandsChanged, this, [this, view] {
            if (CurrentView() == view) {
                UpdateBarCommands();
            }
        });
    }
    m_buttonBar->setVisible(next->registration.showsButtonBar);
    if (m_staleViews.remove(next->view)) {
        next->view->RefreshFromDocument();
    }
    m_stack->setCurrentWidget(next->view);
    if (created) {
        next->view->InitialUpdate();
    }
    next->view->setFocus();
    m_current = commandId;
    UpdateBarCommands();
}

CScreenView* CMainFrame::CurrentView() const
{
    return View(m_current);
}

CScreenView* CMainFrame::View(int commandId) const
{
    return m_screens.value(commandId).view;
}

QString CMainFrame::TitleText() const
{
    return m_titleStrip->Text();
}

bool CMainFrame::IsButtonBarShown() const
{
    return m_buttonBar->isVisibleTo(this);
}

void CMainFrame::RunBarCommand(int commandId)
{
    if (CScreenView* view = CurrentView()) {
        view->OnBarCommand(commandId);
    }
}

void CMainFrame::UpdateBarCommands()
{
    if (const CScreenView* view = CurrentView()) {
        m_buttonBar->UpdateEnabled([view](int commandId) { return view->IsBarCommandEnabled(commandId); });
    }
}

QList<CScreenView*> CMainFrame::CreatedViews() const
{
    QList<CScreenView*> views;
    for (const Screen& screen : m_screens) {
        if (screen.view != nullptr) {
            views << screen.view;
        }
    }
    return views;
}

void CMainFrame::RunFileCommand(CWholeFileCommands::Outcome (CWholeFileCommands::*command)())
{
    bool released = false;
    CWholeFileCommands commands(m_doc, [this, &released] {
        repaint();
        for (CScreenView* view : CreatedViews()) {
            view->ReleaseStoreCursor();
        }
        released = true;
    });
    (commands.*command)();
    // Screens that let go of the file, or whose lists were reloaded, show it afresh.
    if (released) {
        for (CScreenView* view : CreatedViews()) {
            view->RefreshFromDocument();
        }
        m_staleViews.clear();
    }
}

void CMainFrame::RefreshScreens()
{
    for (CScreenView* view : CreatedViews()) {
        if (view == CurrentView()) {
            view->RefreshFromDocument();
        } else {
            m_staleViews.insert(view);
        }
    }
}

// The timer runs once the catalogue is loaded.
void CMainFrame::CheckForChangesElsewhere()
{
    if (!m_changeCheck->isActive() || QApplication::activeModalWidget() != nullptr) {
        return;
    }
    // A reload an operation made on its own counts too: the lists changed under the screens.
    const bool reloaded = m_doc.ReloadIfChangedElsewhere();
    if (reloaded || m_doc.CatalogueGeneration() != m_shownCatalogue) {
        m_shownCatalogue = m_doc.CatalogueGeneration();
        RefreshScreens();
    }
}

void CMainFrame::OpenHelp()
{
    const QUrl help = CWholeFileCommands::HelpUrl();
    if (help.isEmpty() || !QDesktopServices::openUrl(help)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to open the help document"));
    }
}

void CMainFrame::OpenCalculator()
{
    m_doc.Prompter().RunNumberPad(QStringLiteral("Calculator"), QStringLiteral("Calculator"), 0.0);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_home->InitialUpdate();
    }
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        CheckForChangesElsewhere();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_doc.Prompter().AskYesNo(QStringLiteral("Close the Program?"), CPrompter::Icon::Information)) {
        event->accept();
    } else {
        event->ignore();
    }
}
