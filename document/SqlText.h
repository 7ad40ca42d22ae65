#pragma once

#include <QString>

// The text with every single quote doubled, for use inside '...' in SQL.
QString QuoteSqlText(const QString& text);
