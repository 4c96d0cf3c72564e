// The employee list at office scale: 10,000 employees with every column filled.
#include "platform/db/Recordset.h"
#include "tests/support/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kEmployees = 10000;
const QString kList = QStringLiteral("SELECT * from Employee order by empid");

// Builds one value per column from its declared type, so every column is filled.
QString filler(const QString& name, const QString& type) {
    if (name == QLatin1String("empid")) return QStringLiteral("printf('E%05d', i)");
    if (type == QLatin1String("DATETIME")) return QStringLiteral("date('1950-01-01', '+' || (i * 37 % 20000) || ' days')");
    if (type == QLatin1String("INTEGER")) return QStringLiteral("i % 60");
    if (type == QLatin1String("REAL")) return QStringLiteral("i % 5");
    if (type == QLatin1String("BLOB")) return QStringLiteral("randomblob(1024)");
    return QStringLiteral("printf('%1 %05d of the Personnel Office, Block B', i * 7919 % 10000)").arg(name);
}

class Database {
public:
    Database() {
        db::Connection connection;
        connection.open(QStringLiteral("Data Source=") + folder_.databasePath());
        db::Recordset columns;
        columns.open(QStringLiteral("PRAGMA table_info(employee)"), &connection);
        QStringList names;
        QStringList values;
        for (; !columns.eof(); columns.moveNext()) {
            const QString name = columns.field("name").toString();
            if (name == QLatin1String("aid")) continue;
            names << name;
            values << filler(name, columns.field("type").toString());
        }
        connection.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                          "INSERT INTO employee (%2) SELECT %3 FROM n")
                               .arg(kEmployees)
                               .arg(names.join(','), values.join(',')));
    }
    QString connectionText() const { return QStringLiteral("Data Source=") + folder_.databasePath(); }

private:
    tests::ProgramFolder folder_;
};

const Database& database() {
    static const Database instance;
    return instance;
}

void openList(benchmark::State& state) {
    db::Connection connection;
    connection.open(database().connectionText());
    for (auto _ : state) {
        db::Recordset rs;
        rs.open(kList, &connection);
        benchmark::DoNotOptimize(rs.recordCount());
    }
}

void sortByName(benchmark::State& state) {
    db::Connection connection;
    connection.open(database().connectionText());
    db::Recordset rs;
    rs.open(kList, &connection);
    for (auto _ : state) {
        state.PauseTiming();
        rs.setSort(QString());
        state.ResumeTiming();
        rs.setSort(QStringLiteral("empname asc"));
    }
}

void ageStatement(benchmark::State& state) {
    db::Connection connection;
    connection.open(database().connectionText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(connection.execute(QStringLiteral("Update Employee Set Age = Year(date()) - Year(DOB)")));
    }
}

// Memory held by the open list: the growth of the resident set while it is open.
size_t residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toULongLong() * size_t(sysconf(_SC_PAGESIZE)) : 0;
}

void memoryOfOpenList(benchmark::State& state) {
    db::Connection connection;
    connection.open(database().connectionText());
    double mib = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = residentBytes();
        db::Recordset rs;
        rs.open(kList, &connection);
        mib = static_cast<double>(residentBytes() - before) / (1024.0 * 1024.0);
    }
    state.counters["MiB"] = mib;
}

BENCHMARK(openList)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(sortByName)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(ageStatement)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(memoryOfOpenList)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
