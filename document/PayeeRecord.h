#pragma once

#include <QString>

#include <array>
#include <cstdint>

// A customer, a vendor or the own company: the id and eleven texts, in the column order of the
// Customer and Vendor tables.
struct PayeeRecord
{
    static constexpr int kTextCount = 11;

    int32_t PayeeID = 0;
    QString CompanyName;
    QString Address;
    QString City;
    QString State;
    QString PostalCode;
    QString Country;
    QString Contact;
    QString Phone;
    QString Fax;
    QString Email;
    QString Note;

    // Text i (0 = CompanyName ... 10 = Note), the column i + 1 of the table.
    QString& Text(int i) { return this->*kTexts[i]; }
    const QString& Text(int i) const { return this->*kTexts[i]; }
    static QString TextName(int i);

private:
    static constexpr std::array<QString PayeeRecord::*, kTextCount> kTexts = {
        &PayeeRecord::CompanyName, &PayeeRecord::Address, &PayeeRecord::City,    &PayeeRecord::State,
        &PayeeRecord::PostalCode,  &PayeeRecord::Country, &PayeeRecord::Contact, &PayeeRecord::Phone,
        &PayeeRecord::Fax,         &PayeeRecord::Email,   &PayeeRecord::Note};
};

inline QString PayeeRecord::TextName(int i)
{
    static const std::array<const char*, kTextCount> names = {
        "CompanyName", "Address", "City", "State", "PostalCode", "Country", "Contact", "Phone", "Fax", "Email", "Note"};
    return QString::fromLatin1(names[i]);
}
