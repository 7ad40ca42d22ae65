#pragma once

class CTestBook;

// While it lives, every commit that writes the book fails, as a full disk or an I/O error would:
// on a file through SQLite's commit hook on the book's connection, on a server through a
// deferred trigger that refuses the commit of any change to AutoNumber or TransItem.
class CCommitFailure
{
public:
    explicit CCommitFailure(CTestBook& book);
    ~CCommitFailure();
    CCommitFailure(const CCommitFailure&) = delete;
    CCommitFailure& operator=(const CCommitFailure&) = delete;

    bool IsInstalled() const { return m_installed; }

private:
    CTestBook& m_book;
    bool m_installed = false;
};
