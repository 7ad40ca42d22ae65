#pragma once

#include "CCliCommand.h"

#include <QList>

class CItemSetupForm;

// Categories, sale taxes and products from the command line, through the same setup flows the
// dialogs use: "category", "tax" and "product".
class CCatalogueCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Category(CCliContext& context, const CCliArguments& arguments);
    static int Tax(CCliContext& context, const CCliArguments& arguments);
    static int Product(CCliContext& context, const CCliArguments& arguments);
    static int SaveProduct(CCliContext& context, const CCliArguments& arguments, CItemSetupForm& form);
};
