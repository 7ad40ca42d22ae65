#pragma once

#include <QList>
#include <QString>

// Writes the print job of one invoice or purchase order: the text the desktop print link reads,
// line by line in its fixed order, ending with the end mark and no line feed after it. A pure
// function of its values: numbers arrive as the texts the handheld shows.
//
// The desktop reads item fields by column and each line up to its line feed, so the writer keeps
// both honest: a description is cut to its 40 columns (later fields stay in place), and a line
// break inside any value is sent as a blank. Number fields are padded, never cut.
class CPrintJobWriter
{
public:
    static constexpr qsizetype kDescriptionColumns = 40;

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

    // The job's text; PrintJobWire::EncodeText gives the bytes that cross the connection.
    static QString Text(const Job& job);

private:
    static QString ItemLine(const Item& item);
};
