#pragma once

#include <QLineEdit>

// The field that narrows a list of products as the user types, the same in the product list and
// in the line dialog's picker: named for screen readers and tests, cleared with one click.
class CProductSearchEdit final : public QLineEdit
{
public:
    CProductSearchEdit(const QString& placeholder, QWidget* parent) : QLineEdit(parent)
    {
        setObjectName(QStringLiteral("productSearch"));
        setPlaceholderText(placeholder);
        setAccessibleName(QStringLiteral("Search products"));
        setClearButtonEnabled(true);
    }
};
