// A grid over 10,000 rows: binding, painting a screenful and moving through the rows must not
// depend on the number of rows (the grid reads on demand).
#include "platform/db/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "tests/support/ProgramFolder.h"


#include <benchmark/benchmark.h>

namespace {

struct TenThousandRows {
    tests::ProgramFolder folder;
    db::Connection connection;
    db::Recordset rows;
    TenThousandRows() {
        folder.exec("CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, born DATETIME, qty INTEGER);"
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
                    "INSERT INTO items (name, born, qty) SELECT 'Name ' || i, date('1970-01-01', '+' || i || ' days'), i FROM n");
        connection.open("Data Source=" + folder.databasePath());
        rows.open("SELECT * FROM items", &connection);
    }
};

void BindAndPaint(benchmark::State& state) {
    TenThousandRows data;
    forms::DataGrid grid;
    grid.resize(800, 600);
    for (auto _ : state) {
        grid.setDataSource(&data.rows);
        grid.setColumnFormat("born", "dd/mmm/yyyy");
        benchmark::DoNotOptimize(grid.grab());
    }
}
BENCHMARK(BindAndPaint)->Unit(benchmark::kMillisecond);

void SortAndFollowTheCurrentRow(benchmark::State& state) {
    TenThousandRows data;
    forms::DataGrid grid;
    grid.resize(800, 600);
    grid.setDataSource(&data.rows);
    bool ascending = true;
    for (auto _ : state) {
        data.rows.setSort(ascending ? "name asc" : "name desc");
        data.rows.setCurrentRow(data.rows.recordCount() - 1);
        benchmark::DoNotOptimize(grid.grab());
        ascending = !ascending;
    }
}
BENCHMARK(SortAndFollowTheCurrentRow)->Unit(benchmark::kMillisecond);

// A window searching its bound list moves through every row while the grid shows.
void WalkEveryRowOfAShownGrid(benchmark::State& state) {
    TenThousandRows data;
    forms::DataGrid grid;
    grid.resize(800, 600);
    grid.setDataSource(&data.rows);
    grid.show();
    for (auto _ : state) {
        for (data.rows.moveFirst(); !data.rows.eof(); data.rows.moveNext()) {
        }
    }
}
BENCHMARK(WalkEveryRowOfAShownGrid)->Unit(benchmark::kMillisecond);

}  // namespace
