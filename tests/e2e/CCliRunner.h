#pragma once

#include <QString>
#include <QStringList>

// Runs quillet-cli on one data file and keeps what it printed.
class CCliRunner
{
public:
    explicit CCliRunner(const QString& dataFile) : m_dataFile(dataFile) {}

    // The exit code; stdout and stderr are kept for Out() and Err().
    int Run(const QStringList& arguments, const QByteArray& input = QByteArray());
    // Sends stdout of the following runs to path instead of keeping it (empty: keep it again).
    void SetOutputFile(const QString& path) { m_outputFile = path; }
    // Runs the command `times` times in each of `programs` shell loops started at once, as tills
    // posting side by side would; what they all printed to stdout, and whether every run succeeded.
    struct AtOnce
    {
        QStringList out;
        bool allSucceeded = true;
        QString err;
    };
    AtOnce RunAtOnce(const QStringList& arguments, int programs, int times) const;
    // Runs in folder (empty: the test's own working folder) with QUILLET_DOCUMENTS there too.
    void SetWorkingFolder(const QString& folder) { m_folder = folder; }
    // Runs a statement on the data file with the sqlite3 shell; true when it succeeded.
    bool Sql(const QString& sql) const;
    const QString& Out() const { return m_out; }
    const QString& Err() const { return m_err; }
    // stdout as lines, without the final empty one.
    QStringList OutLines() const;

private:
    QString m_dataFile;
    QString m_outputFile;
    QString m_folder;
    QString m_out;
    QString m_err;
};

// "TransactionID|InvoiceNum" of every sale row of a `register` listing, in its order.
QStringList SaleNumbers(const QStringList& registerLines);
