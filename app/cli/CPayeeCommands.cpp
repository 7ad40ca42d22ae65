#include "CPayeeCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"

namespace {

const QString kFieldOptionsUsage = QStringLiteral(
    "[--address A] [--city C] [--state S] [--zip Z] [--contact N] [--phone P] [--fax F] [--email E] [--note T]");
const QString kCompanyUsage = QStringLiteral("company set [--company NAME] ") + kFieldOptionsUsage;

// The options of the texts a form shows, by the record's text index.
const std::pair<const char*, int> kFieldOptions[] = {
    {"company", 0}, {"address", 1}, {"city", 2}, {"state", 3}, {"zip", 4},
    {"contact", 6}, {"phone", 7},   {"fax", 8},  {"email", 9}, {"note", 10},
};

QString PayeeUsage(const QString& word)
{
    return QStringLiteral("%1 add COMPANY %2 | %1 edit COMPANY [--company NEW] [same options] | %1 delete COMPANY")
        .arg(word, kFieldOptionsUsage);
}

QStringList OptionNames(bool withCompany)
{
    QStringList names;
    for (const auto& [option, text] : kFieldOptions) {
        if (withCompany || text != 0) {
            names << QLatin1String(option);
        }
    }
    return names;
}

int UnknownWords(CCliContext& context, const QString& usage, const QStringList& words)
{
    return context.Usage(usage, QStringLiteral("unknown words: ") + words.join(QLatin1Char(' ')));
}

} // namespace

QList<CCliCommand> CPayeeCommands::Commands()
{
    return {
        {QStringLiteral("customer"),
         PayeeUsage(QStringLiteral("customer")),
         {},
         [](CCliContext& context, const CCliArguments& arguments) {
             return Payee(context, arguments, CPayeeSetup::Kind::Customer);
         },
         QStringLiteral("Adds, changes or deletes a customer (named by its company; edit keeps what is not given).")},
        {QStringLiteral("vendor"),
         PayeeUsage(QStringLiteral("vendor")),
         {},
         [](CCliContext& context, const CCliArguments& arguments) {
             return Payee(context, arguments, CPayeeSetup::Kind::Vendor);
         },
         QStringLiteral("Adds, changes or deletes a vendor (named by its company; edit keeps what is not given).")},
        {QStringLiteral("company"),
         kCompanyUsage,
         {},
         &CPayeeCommands::Company,
         QStringLiteral("Sets the own company's profile that heads invoices and purchase orders (creating it when "
                        "missing; what is not given is kept).")},
    };
}

void CPayeeCommands::TakeOptions(const CCliArguments& arguments, PayeeRecord& payee)
{
    for (const auto& [option, text] : kFieldOptions) {
        if (arguments.Has(QLatin1String(option))) {
            payee.Text(text) = arguments.Value(QLatin1String(option));
        }
    }
}

int CPayeeCommands::Payee(CCliContext& context, const CCliArguments& arguments, CPayeeSetup::Kind kind)
{
    const QString word = kind == CPayeeSetup::Kind::Customer ? QStringLiteral("customer") : QStringLiteral("vendor");
    const QString usage = PayeeUsage(word);
    const QString action = arguments.Positional(0);
    if (arguments.Positional().size() != 2 || !QStringList{"add", "edit", "delete"}.contains(action)) {
        return context.Usage(usage);
    }
    const QStringList known =
        action == QLatin1String("delete") ? QStringList() : OptionNames(action == QLatin1String("edit"));
    if (const QStringList unknown = arguments.UnknownOptions(known); !unknown.isEmpty()) {
        return UnknownWords(context, usage, unknown);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CPayeeSetup payees(context.Doc(), kind);
    const QString company = arguments.Positional(1);
    if (action == QLatin1String("add")) {
        PayeeRecord payee;
        payee.CompanyName = company;
        TakeOptions(arguments, payee);
        return payees.Create(payee).Saved() ? 0 : CCliContext::kFailed;
    }
    const int index = payees.FindByName(company);
    if (index < 0) {
        return context.Fail(QStringLiteral("No %1 named %2").arg(word, company));
    }
    PayeeRecord payee = payees.Payees()[index];
    if (action == QLatin1String("delete")) {
        return payees.Delete(payee.PayeeID) ? 0 : CCliContext::kFailed;
    }
    TakeOptions(arguments, payee);
    return payees.Update(payee.PayeeID, payee).Saved() ? 0 : CCliContext::kFailed;
}

int CPayeeCommands::Company(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional() != QStringList{QStringLiteral("set")}) {
        return context.Usage(kCompanyUsage);
    }
    if (const QStringList unknown = arguments.UnknownOptions(OptionNames(true)); !unknown.isEmpty()) {
        return UnknownWords(context, kCompanyUsage, unknown);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    const auto opened = CPayeeSetup::OpenOwnCompany(context.Doc());
    if (!opened) {
        return CCliContext::kFailed;
    }
    PayeeRecord profile = opened->stored;
    TakeOptions(arguments, profile);
    return CPayeeSetup::SaveOwnCompany(context.Doc(), profile).Saved() ? 0 : CCliContext::kFailed;
}
