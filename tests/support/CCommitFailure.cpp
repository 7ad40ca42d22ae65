#include "CCommitFailure.h"

#include "CTestBook.h"
#include "TestBooks.h"

#include <sqlite3.h>

namespace {
const char* const kRefuseCommits = R"(
CREATE FUNCTION test_refuse_commit() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'could not write to the disk';
END $$;
CREATE CONSTRAINT TRIGGER test_refuse_commit AFTER INSERT OR UPDATE OR DELETE ON "AutoNumber"
    DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION test_refuse_commit();
CREATE CONSTRAINT TRIGGER test_refuse_commit AFTER INSERT OR UPDATE OR DELETE ON "TransItem"
    DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION test_refuse_commit())";
} // namespace

CCommitFailure::CCommitFailure(CTestBook& book) : m_book(book)
{
    if (BooksOnServer()) {
        m_installed = RunOnServer(book.Path(), kRefuseCommits);
        return;
    }
    sqlite3_commit_hook(
        book.Connection().Handle(), [](void*) { return 1; }, nullptr);
    m_installed = true;
}

CCommitFailure::~CCommitFailure()
{
    if (BooksOnServer()) {
        RunOnServer(m_book.Path(), "DROP FUNCTION test_refuse_commit() CASCADE");
    } else {
        sqlite3_commit_hook(m_book.Connection().Handle(), nullptr, nullptr);
    }
}
