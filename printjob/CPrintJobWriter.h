#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Writes the print job of one invoice or purchase order: the text the desktop print link reads,
// line by line in its fixed order, ending with the end mark and no line feed after it. A pure
// function of its values: numbers arrive as the texts the handheld shows.
//
// The desktop reads item fields by column and each line up to its line feed, so the writer keeps
// both honest: a description and a tax name are cut to their columns (later fields stay in place),
// and a line break inside any value is sent as a blank. Number fields are padded, never cut: a
// caller fits them with FitNumber and refuses a job that TooWideNumber names.
class CPrintJobWriter
{
public:
    static constexpr qsizetype kQuantityColumns = 12;
    static constexpr qsizetype kDescriptionColumns = 40;
    static constexpr qsizetype kPriceColumns = 10;
    static constexpr qsizetype kAmountColumns = 12;
    static constexpr qsizetype kTaxColumns = 10;

    struct Address
    {
        QString name;
        QString address;
        QString city;
        QString state;
        QString postalCode;
    };

    struct Item
    {
        QString quantity;
        QString description;
        QString price;
        QString amount; // price x quantity, without tax
        QString taxName;
    };

    struct Job
    {
        bool isSale = true; // an invoice; else a purchase order
        Address company;
        QString companyNotes; // printed on invoices only
        QString invoiceNumber;
        Address party; // all empty for a party not in the list
        QString invoiceDate;
        QList<Item> items;
        QString taxTotal; // invoices only
        QString total;
    };

    // A number field of an item that does not fit its column.
    struct WideNumber
    {
        qsizetype item;     // from 0
        QStringView column; // "quantity", "price" or "amount"
        QString text;
        qsizetype columns;
    };

    // The job's text; PrintJobWire::EncodeText gives the bytes that cross the connection.
    static QString Text(const Job& job);

    // number as it fits columns: unchanged when it does, else without its group separators (which
    // may still be too wide).
    static QString FitNumber(const QString& number, qsizetype columns, QStringView groupSeparator);
    // The first number field, in item order, wider than its column; such a job would move the
    // desktop's later fields.
    static std::optional<WideNumber> TooWideNumber(const Job& job);

private:
    static QString ItemLine(const Item& item);
};
