#pragma once

#include <QByteArray>
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
    // The desktop keeps at most this much job text (UTF-16 units, end mark included) and this
    // many item lines; it refuses a job beyond either.
    static constexpr qsizetype kMaxJobChars = 4096;
    static constexpr qsizetype kMaxItems = 41;
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

    static QString Text(const Job& job);
    // The text as it crosses the connection: UTF-16 little-endian, no byte-order mark, no terminator.
    static QByteArray WireBytes(const QString& text);

private:
    static QString ItemLine(const Item& item);
};
