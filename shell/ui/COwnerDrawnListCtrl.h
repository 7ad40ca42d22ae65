#pragma once

#include <QTableView>

class CListRowDelegate;

// A list of fixed columns whose rows a CListRowDelegate paints, under the header the list gives
// it, over bands that continue the rows below the last one; taps are reported with the row they
// hit. It selects nothing by itself: the screen decides what is selected. The arrow, page, Home
// and End keys tap the row they move to from the selected one; Enter on a selected row and a
// double click on a row ask for the screen's Edit.
class COwnerDrawnListCtrl : public QTableView
{
    Q_OBJECT

public:
    // Takes the delegate and the header as its children.
    COwnerDrawnListCtrl(QAbstractItemModel* model, CListRowDelegate* delegate, QHeaderView* header,
                        QWidget* parent = nullptr);

    // Lays the rows out at once rather than later, so that scrolling right after a fill goes by
    // the new rows.
    void LayOutRows() { executeDelayedItemsLayout(); }

    // The one line shown over an empty list, saying how to fill it.
    void SetEmptyHint(const QString& hint);
    // The hint when the list is empty and has one; else empty.
    QString ShownHint() const;

signals:
    // row: the row under the point, -1 when none.
    void Tapped(int row);
    void EditRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetColumnWidths();
    // The first selected row; -1 when none.
    int SelectedRow() const;
    void RequestEdit();

    CListRowDelegate* m_rowDelegate;
    QString m_emptyHint;
};
