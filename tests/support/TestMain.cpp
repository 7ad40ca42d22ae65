// Test programs run under a United States locale unless a test sets another. A run meant for the
// throwaway server skips every test when that server could not be started.

#include "TestBooks.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace {
class CNoServer final : public testing::Environment
{
public:
    void SetUp() override { GTEST_SKIP() << "no PostgreSQL test server could be started here"; }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleTest(&argc, argv);
    if (BooksOnServer() && TestServerBase().isEmpty()) {
        testing::AddGlobalTestEnvironment(new CNoServer);
    }
    return RUN_ALL_TESTS();
}
