#include "CAboutDlg.h"

#include "CIconFactory.h"
#include "CIconPushButton.h"
#include "UiScale.h"

#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quillet"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(Scaled(8), Scaled(8), Scaled(8), Scaled(8));
    layout->setHorizontalSpacing(Scaled(8));

    auto* icon = new QLabel(this);
    icon->setPixmap(CIconFactory::Icon(CIconFactory::Kind::Program).pixmap(Scaled(32)));
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("Pocket Quillet"), this);
    name->setFont(ScaledFont(10, true));
    layout->addWidget(name, 0, 1);
    auto* version = new QLabel(QStringLiteral("Version 1.35"), this);
    version->setFont(ScaledFont(10));
    layout->addWidget(version, 1, 1);

    auto* ok = new CIconPushButton(CIconFactory::Kind::Confirm, QStringLiteral("OK"), this);
    ok->SetFlat(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 2, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}
