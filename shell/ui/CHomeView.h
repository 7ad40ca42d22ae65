#pragma once

#include "CScreenView.h"

#include <QList>

#include <functional>

class CIconPushButton;
class CInventoryDoc;
class QGroupBox;
class QLabel;
class QStackedLayout;

// The first screen: a start picture and a progress line while the catalogue loads (after the first
// paint), then three groups of buttons that open the program's screens and dialogs. The buttons
// ask for their command through CommandRequested; the frame runs it.
class CHomeView final : public CScreenView
{
    Q_OBJECT

public:
    explicit CHomeView(CInventoryDoc& doc, QWidget* parent = nullptr);

    // Schedules the catalogue load for when the view has been painted once.
    void InitialUpdate() override;
    // Enables each button whose command the program offers.
    void UpdateCommandStates(const std::function<bool(int)>& isAvailable);
    bool IsReady() const;
    QString ProgressText() const;

signals:
    void CommandRequested(int commandId);
    // The load has ended: ready when the buttons are shown (false when a new data file could not be created).
    void CatalogueLoaded(bool ready);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LoadCatalogue();
    void ShowProgress(const QString& text);
    QWidget* CreateStartPage();
    QWidget* CreateButtonPage();
    QGroupBox* CreateGroup(const QString& title, int group);

    CInventoryDoc& m_doc;
    QStackedLayout* m_pages = nullptr;
    QWidget* m_startPage = nullptr;
    QWidget* m_buttonPage = nullptr;
    QLabel* m_progress = nullptr;
    QList<std::pair<CIconPushButton*, int>> m_buttons;
    bool m_loadPending = false;
};
