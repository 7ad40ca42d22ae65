#pragma once

#include "CScreenRegistration.h"
#include "CWholeFileCommands.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QSet>

#include <functional>

class CButtonBar;
class CHomeView;
class CInventoryDoc;
class CScreenView;
class CTitleStrip;
class QAction;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolButton;

// The program's window: menus, toolbar, the title strip naming the current screen, the screens
// (one shown at a time, each created on first show and kept), and the New/Edit/Delete bar.
//
// Features plug in by command id: RegisterScreen for a screen, RegisterCommand for a dialog or
// action. Menu entries, toolbar buttons and home buttons of commands nobody registered are
// disabled, and become enabled when their feature registers.
//
// Once the catalogue is loaded, the window looks about once a second, and whenever it becomes
// active, whether another program committed to the book; when it did, the catalogue is reloaded
// and the screens show it afresh. Not while a modal dialog is open: it may hold records of the
// catalogue, so the look waits until it has closed.
class CMainFrame final : public QMainWindow
{
    Q_OBJECT

public:
    static inline const QString kApplicationTitle = QStringLiteral("Pocket Quillet");
    static constexpr int kChangeCheckMs = 1000;

    explicit CMainFrame(CInventoryDoc& doc, QWidget* parent = nullptr);

    CInventoryDoc& Doc() const { return m_doc; }

    void RegisterScreen(CScreenRegistration screen);
    void RegisterCommand(int commandId, std::function<void()> handler);
    bool IsCommandAvailable(int commandId) const;

    int CurrentScreen() const { return m_current; }
    CScreenView* CurrentView() const;
    // The screen's view; null until it has been shown once.
    CScreenView* View(int commandId) const;
    CHomeView* HomeView() const { return m_home; }
    QString TitleText() const;
    bool IsButtonBarShown() const;
    // The catalogue changed under the screens: the visible one shows it now, the others when
    // they are next shown.
    void RefreshScreens();

public slots:
    // A menu entry, toolbar button or home button: switches screens or runs the registered handler.
    void RunCommand(int commandId);
    // Shows the screen of commandId; nothing when it is the current one or no screen.
    void SwitchScreen(int commandId);

signals:
    void CommandsChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Screen
    {
        CScreenRegistration registration;
        CScreenView* view = nullptr;
    };

    void CreateMenus();
    void CreateToolBar();
    void CreateCentralArea();
    void RegisterBuiltInCommands();
    QMenu* AddSubmenu(QMenu* parent, const QString& title);
    QAction* AddCommand(QMenu* menu, const QString& text, int commandId);
    QToolButton* AddDropDown(const QString& toolTip, int commandId, QMenu* menu);
    void UpdateCommandStates();
    void RunBarCommand(int commandId);
    // The bar's buttons as the current screen offers them.
    void UpdateBarCommands();
    QList<CScreenView*> CreatedViews() const;
    // Reset, backup or restore; the screens let go of the file first and show it afresh after.
    void RunFileCommand(CWholeFileCommands::Outcome (CWholeFileCommands::*command)());
    void OpenHelp();
    void OpenCalculator();
    void CheckForChangesElsewhere();

    CInventoryDoc& m_doc;
    QMap<int, Screen> m_screens;
    QHash<int, std::function<void()>> m_handlers;
    QMultiHash<int, QAction*> m_actions;
    QList<QMenu*> m_submenus;
    QList<std::pair<QToolButton*, QMenu*>> m_dropDowns;
    QMenu* m_payeeListsMenu = nullptr;
    QMenu* m_setupListsMenu = nullptr;
    int m_current = 0;
    bool m_shownOnce = false;
    CTitleStrip* m_titleStrip = nullptr;
    QStackedWidget* m_stack = nullptr;
    CButtonBar* m_buttonBar = nullptr;
    CHomeView* m_home = nullptr;
    QTimer* m_changeCheck = nullptr;
    quint64 m_shownCatalogue = 0;
    QSet<CScreenView*> m_staleViews;
};
