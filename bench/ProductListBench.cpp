// The product list over 10,000 products: the catalogue's product load beside the same rows read by
// a plain prepared SQLite statement, a fill of the list (one model reset, with the relayout and
// repaint it brings), and the paint of one screen of rows beside the same texts drawn plainly;
// a search typed key by key, through the filter alone, through the list's search field and through
// the sale line dialog's picker.

#include "CBenchPrompter.h"
#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CDbTransaction.h"
#include "CInventoryDoc.h"
#include "CProductFilter.h"
#include "CProductListCtrl.h"
#include "CProductRowDelegate.h"
#include "CProductView.h"
#include "CTransItemDlg.h"
#include "CTransItemForm.h"
#include "TransactionTypes.h"
#include "UiScale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <vector>

namespace {

constexpr int kProducts = 10000;

// A data file of kProducts products in two categories, built once per machine in the temporary
// folder; the benchmarks only read it.
class CProductBook
{
public:
    CProductBook() : m_connection(Template()), m_doc(m_connection, m_prompter)
    {
        m_doc.SetDataFilePath(Template());
        m_doc.LoadCatalogue([](const QString&) {});
    }

    CInventoryDoc& Doc() { return m_doc; }
    sqlite3* Handle() { return m_connection.Handle(); }

private:
    static QString Template()
    {
        const QString path = QDir::temp().filePath(QStringLiteral("quillet-bench-products-v1-%1.cdb").arg(kProducts));
        if (!QFileInfo::exists(path)) {
            Generate(path + QStringLiteral(".part"));
            QFile::rename(path + QStringLiteral(".part"), path);
        }
        return path;
    }

    static void Generate(const QString& path)
    {
        QFile::remove(path);
        CDbConnection connection(path);
        CBenchPrompter prompter;
        CInventoryDoc doc(connection, prompter);
        doc.SetDataFilePath(path);
        doc.LoadCatalogue([](const QString&) {});
        CDbTransaction transaction(connection);
        for (int p = 0; p < kProducts; ++p) {
            CDbStatement(connection,
                         QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, ProductNote, CategoryID, "
                                        "UnitsOnHand, UnitCost, SalePrice, AvgCost, TaxID, PayeeID) "
                                        "VALUES (?1, ?2, '', ?3, ?4, ?5, ?6, ?5, 1, -1)"))
                .Bind(1, QStringLiteral("P%1").arg(p, 5, 10, QLatin1Char('0')))
                .Bind(2, QStringLiteral("Product number %1").arg(p))
                .Bind(3, p % 2)
                .Bind(4, (p % 7 == 0) ? p / 10 + 0.5 : double(p % 500))
                .Bind(5, (p % 1000) / 4.0)
                .Bind(6, (p % 3000) / 2.0)
                .Run();
        }
        transaction.Commit();
    }

    CBenchPrompter m_prompter;
    CDbConnection m_connection;
    CInventoryDoc m_doc;
};

CProductBook& Book()
{
    static CProductBook book;
    return book;
}

void LoadProducts(benchmark::State& state)
{
    CInventoryDoc& doc = Book().Doc();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.LoadProducts());
    }
    state.SetItemsProcessed(state.iterations() * doc.Products().size());
}

QString ColumnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

void LoadProductsFloor(benchmark::State& state)
{
    sqlite3* db = Book().Handle();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT ProductID, ProductDesc, ProductNote, Item.CategoryID, CategoryName, PayeeID, "
                       "UnitsOnHand, UnitsOnOrder, UnitCost, SalePrice, TaxID, AvgCost FROM Item INNER JOIN "
                       "Categories ON Item.CategoryID = Categories.CategoryID ORDER BY CategoryName, ProductID",
                       -1, &statement, nullptr);
    std::vector<ItemRecord> products;
    for (auto _ : state) {
        products.clear();
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ItemRecord item;
            item.ProductID = ColumnText(statement, 0);
            item.ProductDesc = ColumnText(statement, 1);
            item.ProductNote = ColumnText(statement, 2);
            item.CategoryID = sqlite3_column_int(statement, 3);
            item.CategoryName = ColumnText(statement, 4);
            item.PayeeID = sqlite3_column_int(statement, 5);
            item.UnitsOnHand = sqlite3_column_double(statement, 6);
            item.UnitsOnOrder = sqlite3_column_double(statement, 7);
            item.UnitCost = sqlite3_column_double(statement, 8);
            item.SalePrice = sqlite3_column_double(statement, 9);
            item.TaxID = sqlite3_column_int(statement, 10);
            item.AvgCost = sqlite3_column_double(statement, 11);
            products.push_back(item);
        }
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(products.size()));
}

// The list as the window shows it (the handheld's screen below the bars), scrolled half-way down.
std::unique_ptr<CProductView> ShownList()
{
    auto view = std::make_unique<CProductView>(Book().Doc());
    view->resize(Scaled(240), Scaled(260));
    view->show();
    view->InitialUpdate();
    QCoreApplication::processEvents();
    QScrollBar* scroll = view->findChild<CProductListCtrl*>()->verticalScrollBar();
    scroll->setValue(scroll->maximum() / 2);
    QCoreApplication::processEvents();
    return view;
}

void FillProductList(benchmark::State& state)
{
    const std::unique_ptr<CProductView> view = ShownList();
    for (auto _ : state) {
        view->Fill(true);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

int VisibleRows(const CProductListCtrl& list)
{
    return list.viewport()->height() / list.Delegate().RowHeight() + 1;
}

void PaintProductScreen(benchmark::State& state)
{
    const std::unique_ptr<CProductView> view = ShownList();
    QImage image(view->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view->render(&image);
    }
    state.SetItemsProcessed(state.iterations() * VisibleRows(*view->findChild<CProductListCtrl*>()));
}

// The same rows as plain fills and texts: two bands and seven numbers or names per row.
void PaintProductScreenFloor(benchmark::State& state)
{
    const std::unique_ptr<CProductView> view = ShownList();
    const auto& list = *view->findChild<CProductListCtrl*>();
    const int rows = VisibleRows(list);
    const int height = list.Delegate().RowHeight();
    const int first = list.rowAt(0);
    QImage image(view->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(list.Delegate().RowFont());
        for (int r = 0; r < rows; ++r) {
            const ItemRecord& item = Book().Doc().Products()[first + r];
            const QRect upper(0, r * height, image.width(), height / 2);
            const QRect lower = upper.translated(0, height / 2);
            painter.fillRect(upper, CProductRowDelegate::kUpperColor);
            painter.fillRect(lower, CProductRowDelegate::kLowerColor);
            painter.drawText(upper, item.ProductID);
            painter.drawText(upper.adjusted(Scaled(80), 0, 0, 0), item.CategoryName);
            painter.drawText(lower, item.ProductDesc);
            painter.drawText(upper.adjusted(Scaled(130), 0, 0, 0), QString::number(item.SalePrice, 'f', 2));
            painter.drawText(lower.adjusted(Scaled(130), 0, 0, 0), QString::number(item.UnitsOnHand, 'f', 2));
            painter.drawText(upper.adjusted(Scaled(183), 0, 0, 0), QString::number(item.AvgCost, 'f', 2));
            painter.drawText(lower.adjusted(Scaled(183), 0, 0, 0),
                             QString::number(item.AvgCost * item.UnitsOnHand, 'f', 2));
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

// The texts of a search as typed, one key at a time: from one letter that finds almost every
// product to a code that finds one, and back to none.
const QStringList& Keystrokes()
{
    static const QStringList texts = [] {
        QStringList typed;
        const QString whole = QStringLiteral("Number 1234");
        for (int length = 1; length <= whole.size(); ++length) {
            typed << whole.left(length);
        }
        typed << QStringLiteral("p0") << QStringLiteral("p01") << QString();
        return typed;
    }();
    return texts;
}

void FilterProducts(benchmark::State& state)
{
    const QList<ItemRecord>& products = Book().Doc().Products();
    qsizetype key = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CProductFilter(Keystrokes()[key++ % Keystrokes().size()]).MatchingRows(products));
    }
    state.SetItemsProcessed(state.iterations());
}

// One key in the list's search field, with the list's relayout and repaint.
void SearchProductList(benchmark::State& state)
{
    const std::unique_ptr<CProductView> view = ShownList();
    auto* search = view->findChild<QLineEdit*>(QStringLiteral("productSearch"));
    qsizetype key = 0;
    for (auto _ : state) {
        search->setText(Keystrokes()[key++ % Keystrokes().size()]);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

// One key in a new sale line's picker, which refills its drop-down list with the matching
// products under their category headings.
void SearchLinePicker(benchmark::State& state)
{
    const CTransItemForm form(Book().Doc(), kTransSale, {}, {});
    CTransItemDlg dialog(Book().Doc(), form);
    dialog.show();
    QCoreApplication::processEvents();
    auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("productSearch"));
    qsizetype key = 0;
    for (auto _ : state) {
        search->setText(Keystrokes()[key++ % Keystrokes().size()]);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(FilterProducts)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchProductList)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchLinePicker)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadProducts)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadProductsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(FillProductList)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintProductScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintProductScreenFloor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
