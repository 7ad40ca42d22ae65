#pragma once

#include <QDialog>

// "About Inventory": the program's icon, name and version.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
