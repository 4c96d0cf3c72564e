#include "platform/db/Recordset.h"

#include "platform/db/PackedRow.h"
#include "platform/db/Sqlite.h"

#include <QHash>

#include <algorithm>

#include <sqlite3.h>

namespace db {

namespace {

const QString kNoCurrentRow = QStringLiteral(
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current "
    "record.");
const QString kRowNotLocated = QStringLiteral(
    "Row cannot be located for updating. Some values may have been changed since it was last read.");

// How a column takes assigned values, from its declared type as SQLite reads it.
enum class Kind { Date, Integer, Real, Text, Other };

Kind kindOf(const QString& declared) {
    if (declared.contains(QLatin1String("DATE"))) return Kind::Date;
    if (declared.contains(QLatin1String("INT"))) return Kind::Integer;
    if (declared.contains(QLatin1String("CHAR")) || declared.contains(QLatin1String("CLOB")) ||
        declared.contains(QLatin1String("TEXT")))
        return Kind::Text;
    if (declared.contains(QLatin1String("REAL")) || declared.contains(QLatin1String("FLOA")) ||
        declared.contains(QLatin1String("DOUB")))
        return Kind::Real;
    return Kind::Other;
}

struct Column {
    QString name;       // as the query names it
    QString declared;   // upper case; empty for expressions
    QString table;      // base table, empty for expressions
    QString origin;     // base column, empty for expressions
    Kind kind = Kind::Other;
};

QString quoted(const QString& identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

[[noreturn]] void refuse(const Column& column, const Value& value, const QString& expected) {
    throw DbError(QStringLiteral("The field %1 takes %2; \"%3\" cannot be stored in it.")
                      .arg(column.name, expected, value.toString()));
}

// The value as the column stores it; a value the column cannot hold is refused here, before
// anything is written.
Value storable(const Column& column, const Value& value) {
    if (value.isNull()) return value;
    const Value::Type type = value.type();
    switch (column.kind) {
    case Kind::Date: {
        const QDate date = value.toDate();
        if ((type != Value::Type::Date && type != Value::Type::Text) || !date.isValid()) {
            refuse(column, value, QStringLiteral("a date written as dd/mm/yyyy"));
        }
        return Value(date);
    }
    case Kind::Integer:
    case Kind::Real: {
        if (type == Value::Type::Integer || type == Value::Type::Double) {
            return column.kind == Kind::Real ? Value(value.toDouble()) : value;
        }
        if (type != Value::Type::Text) refuse(column, value, QStringLiteral("a number"));
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qint64 whole = text.toLongLong(&ok);
        if (ok) return column.kind == Kind::Real ? Value(static_cast<double>(whole)) : Value(std::int64_t{whole});
        const double real = text.toDouble(&ok);
        if (!ok) refuse(column, value, QStringLiteral("a number"));
        return Value(real);
    }
    case Kind::Text:
        if (type == Value::Type::Bytes) return value;
        return Value(value.toString());
    case Kind::Other: return value;
    }
    return value;
}

// Orders two values of one column: Null first, numbers by value, dates by date, text without
// regard to case.
int compareValues(const Value& a, const Value& b) {
    using T = Value::Type;
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const bool aNumber = a.type() == T::Integer || a.type() == T::Double;
    const bool bNumber = b.type() == T::Integer || b.type() == T::Double;
    if (aNumber && bNumber) {
        if (a.type() == T::Integer && b.type() == T::Integer) return a.toInt() < b.toInt() ? -1 : a.toInt() > b.toInt();
        return a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble();
    }
    if (a.type() == T::Date || b.type() == T::Date) {
        const QDate da = a.toDate();
        const QDate db = b.toDate();
        if (da.isValid() && db.isValid()) return da < db ? -1 : da > db;
    }
    if (a.type() == T::Text && b.type() == T::Text) {
        return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    }
    auto rank = [](T t) { return t == T::Integer || t == T::Double ? 1 : t == T::Date ? 2 : t == T::Text ? 3 : 4; };
    if (rank(a.type()) != rank(b.type())) return rank(a.type()) < rank(b.type()) ? -1 : 1;
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}

struct SortKey {
    int column;
    bool descending;
};

}  // namespace

struct Recordset::State {
    struct Row {
        PackedRow packed;
        bool removed = false;
    };
    enum class Edit { None, Changed, Added };

    bool open = false;
    Connection* connection = nullptr;
    std::weak_ptr<const Connection*> connectionLife;
    std::vector<Column> columns;
    QHash<QString, int> columnByName;   // lower-case name; the first of equal names wins
    RowArena arena;                     // holds every row's fields
    std::vector<Row> rows;              // indexed by bookmark
    std::vector<Bookmark> order;        // the rows in their current order
    int position = 0;                   // index in order; -1 is BOF, order.size() EOF
    QString sort;

    QString table;            // the base table rows are written to; empty when read-only
    int rowIdColumn = -1;
    QString readOnlyReason;   // why the rows cannot be changed, when table is empty

    // The pending edit, always on the current row: its fields unpacked while they change.
    Edit edit = Edit::None;
    std::vector<Value> edited;
    std::vector<Value> original;   // the edited row as it was read
    std::vector<bool> assigned;
    Bookmark beforeAdd = -1;

    bool atRow() const { return position >= 0 && position < static_cast<int>(order.size()); }
    Bookmark currentBookmark() const { return order[size_t(position)]; }
    Row& current() { return rows[size_t(currentBookmark())]; }
    Value cell(int row, int index) const {
        if (edit != Edit::None && row == position) return edited[size_t(index)];
        return rows[size_t(order[size_t(row)])].packed.at(index);
    }
    void endEdit() {
        edit = Edit::None;
        edited.clear();
        original.clear();
    }
};

Recordset::Recordset() : d_(std::make_unique<State>()) {}

Recordset::~Recordset() = default;

namespace {

// The integer primary key of table, which is SQLite's row id; empty when the table has none.
QString rowIdColumnOf(sqlite3* handle, const QString& table) {
    sqlite::Statement info(handle, QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)));
    QString key;
    int keys = 0;
    while (info.step()) {
        if (sqlite3_column_int(info.get(), 5) == 0) continue;
        ++keys;
        key = info.column(1, false).toString();
        if (info.column(2, false).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0) {
            key.clear();
        }
    }
    return keys == 1 ? key : QString();
}

}  // namespace

void Recordset::open(const QString& sql, Connection* connection, int, int, int) {
    close();
    if (!connection) throw DbError(QStringLiteral("A recordset needs an open connection to read from."));
    sqlite3* handle = connection->handle();
    sqlite::Statement statement(handle, sql);
    sqlite3_stmt* stmt = statement.get();

    auto fresh = std::make_unique<State>();
    State& s = *fresh;
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i) {
        auto text = [](const char* chars) { return chars ? QString::fromUtf8(chars) : QString(); };
        Column column;
        column.name = text(sqlite3_column_name(stmt, i));
        column.declared = text(sqlite3_column_decltype(stmt, i)).toUpper();
        column.kind = kindOf(column.declared);
        if (text(sqlite3_column_database_name(stmt, i)) == QLatin1String("main")) {
            column.table = text(sqlite3_column_table_name(stmt, i));
            column.origin = text(sqlite3_column_origin_name(stmt, i));
        }
        s.columns.push_back(std::move(column));
    }
    for (int i = count - 1; i >= 0; --i) s.columnByName.insert(s.columns[size_t(i)].name.toLower(), i);

    PackedRow::Builder row;
    while (statement.step()) {
        for (int i = 0; i < count; ++i) statement.addColumn(i, s.columns[size_t(i)].kind == Kind::Date, row);
        s.order.push_back(static_cast<Bookmark>(s.rows.size()));
        s.rows.push_back(State::Row{row.finish(s.arena), false});
    }

    const QString table = count > 0 ? s.columns.front().table : QString();
    const bool oneTable = !table.isEmpty() && std::all_of(s.columns.begin(), s.columns.end(), [&](const Column& c) {
        return c.table.compare(table, Qt::CaseInsensitive) == 0;
    });
    if (!oneTable) {
        s.readOnlyReason = QStringLiteral("its fields do not all come from one table");
    } else {
        const QString rowId = rowIdColumnOf(handle, table);
        for (int i = 0; i < count && !rowId.isEmpty(); ++i) {
            if (s.columns[size_t(i)].origin.compare(rowId, Qt::CaseInsensitive) == 0) {
                s.rowIdColumn = i;
                break;
            }
        }
        if (s.rowIdColumn < 0) {
            s.readOnlyReason = QStringLiteral("it does not read the row id of the table %1").arg(table);
        } else {
            s.table = table;
        }
    }

    s.open = true;
    s.connection = connection;
    s.connectionLife = connection->lifeToken();
    d_ = std::move(fresh);
    emit reset();
    emit currentRowChanged(currentRow());
}

void Recordset::close() {
    if (!d_->open) return;
    d_ = std::make_unique<State>();   // a pending edit goes with the rows
    emit reset();
}

bool Recordset::isOpen() const { return d_->open; }

void Recordset::detach() {
    if (d_->edit != State::Edit::None) update();
    d_->connection = nullptr;
    d_->connectionLife.reset();
}

Connection* Recordset::activeConnection() const {
    return d_->connectionLife.expired() ? nullptr : d_->connection;
}

// Position

bool Recordset::eof() const { return d_->order.empty() || d_->position >= static_cast<int>(d_->order.size()); }
bool Recordset::bof() const { return d_->order.empty() || d_->position < 0; }

namespace {

void requireOpen(bool open) {
    if (!open) throw DbError(QStringLiteral("Operation is not allowed when the recordset is closed."));
}

}  // namespace

void Recordset::setCurrentRow(int row) {
    requireOpen(d_->open);
    if (row < -1 || row > recordCount()) {
        throw DbError(QStringLiteral("Row %1 is not in the recordset.").arg(row));
    }
    if (d_->edit != State::Edit::None && row != d_->position) update();
    if (row == d_->position) return;
    d_->position = row;
    emit currentRowChanged(currentRow());
}

void Recordset::moveNext() {
    if (eof()) throw DbError(kNoCurrentRow);
    setCurrentRow(d_->position + 1);
}

void Recordset::moveFirst() { setCurrentRow(recordCount() > 0 ? 0 : recordCount()); }

void Recordset::moveLast() { setCurrentRow(recordCount() > 0 ? recordCount() - 1 : 0); }

int Recordset::recordCount() const { return static_cast<int>(d_->order.size()); }

int Recordset::currentRow() const { return d_->atRow() ? d_->position : -1; }

Recordset::Bookmark Recordset::bookmark() const { return d_->atRow() ? d_->order[size_t(d_->position)] : -1; }

void Recordset::setBookmark(Bookmark bookmark) {
    const auto found = std::find(d_->order.begin(), d_->order.end(), bookmark);
    if (found == d_->order.end()) throw DbError(QStringLiteral("The bookmark names no row of this recordset."));
    setCurrentRow(static_cast<int>(found - d_->order.begin()));
}

// Fields

int Recordset::fieldCount() const { return static_cast<int>(d_->columns.size()); }

QString Recordset::fieldName(int index) const {
    return index >= 0 && index < fieldCount() ? d_->columns[size_t(index)].name : QString();
}

int Recordset::fieldIndex(const QString& name) const { return d_->columnByName.value(name.toLower(), -1); }

QString Recordset::declaredType(int index) const {
    return index >= 0 && index < fieldCount() ? d_->columns[size_t(index)].declared : QString();
}

namespace {

int existingField(const Recordset& recordset, const QString& name) {
    const int index = recordset.fieldIndex(name);
    if (index < 0) throw DbError(QStringLiteral("The field \"%1\" is not in the recordset.").arg(name));
    return index;
}

}  // namespace

Value Recordset::field(const QString& name) const { return field(existingField(*this, name)); }

Value Recordset::field(int index) const {
    requireOpen(d_->open);
    if (!d_->atRow()) throw DbError(kNoCurrentRow);
    return valueAt(d_->position, index);
}

Value Recordset::valueAt(int row, int index) const {
    requireOpen(d_->open);
    if (row < 0 || row >= recordCount() || index < 0 || index >= fieldCount()) {
        throw DbError(QStringLiteral("Row %1, field %2 is not in the recordset.").arg(row).arg(index));
    }
    return d_->cell(row, index);
}

void Recordset::setField(const QString& name, const Value& value) { setField(existingField(*this, name), value); }

namespace {

void requireWritable(const QString& table, const QString& reason, bool connected) {
    if (!connected) {
        throw DbError(QStringLiteral("The recordset is not connected to a database, so its rows cannot be changed."));
    }
    if (table.isEmpty()) throw DbError(QStringLiteral("The rows of this recordset cannot be changed: %1.").arg(reason));
}

}  // namespace

void Recordset::setField(int index, const Value& value) {
    requireOpen(d_->open);
    if (index < 0 || index >= fieldCount()) throw DbError(QStringLiteral("Field %1 is not in the recordset.").arg(index));
    if (!d_->atRow()) throw DbError(kNoCurrentRow);
    requireWritable(d_->table, d_->readOnlyReason, activeConnection() != nullptr);
    const Column& column = d_->columns[size_t(index)];
    if (index == d_->rowIdColumn) {
        throw DbError(QStringLiteral("The field %1 is numbered by the database and cannot be changed.").arg(column.name));
    }
    const Value stored = storable(column, value);
    if (d_->edit == State::Edit::None) {
        d_->edit = State::Edit::Changed;
        d_->original = d_->current().packed.unpack();
        d_->edited = d_->original;
        d_->assigned.assign(size_t(fieldCount()), false);
    }
    d_->assigned[size_t(index)] = true;
    d_->edited[size_t(index)] = stored;
    emit rowChanged(d_->position);
}

void Recordset::setValueAt(int row, int index, const Value& value) {
    setCurrentRow(row);
    setField(index, value);
}

bool Recordset::editing() const { return d_->edit != State::Edit::None; }

// Long binary

void Recordset::appendChunk(const QString& name, const QByteArray& bytes) { setField(name, Value(bytes)); }

QByteArray Recordset::getChunk(const QString& name, long length) const {
    const Value value = field(name);
    if (value.isNull()) throw DbError(QStringLiteral("The field %1 holds no value.").arg(name));
    return value.toBytes().left(length);
}

long Recordset::actualSize(const QString& name) const {
    const Value value = field(name);
    return value.isNull() ? 0 : static_cast<long>(value.toBytes().size());
}

// Changes

void Recordset::addNew() {
    requireOpen(d_->open);
    requireWritable(d_->table, d_->readOnlyReason, activeConnection() != nullptr);
    if (d_->edit != State::Edit::None) update();
    d_->beforeAdd = bookmark();
    d_->order.push_back(static_cast<Bookmark>(d_->rows.size()));
    d_->rows.push_back(State::Row{PackedRow(), false});
    d_->position = recordCount() - 1;
    d_->edit = State::Edit::Added;
    d_->edited.assign(size_t(fieldCount()), Value());
    d_->assigned.assign(size_t(fieldCount()), false);
    emit rowInserted(d_->position);
    emit currentRowChanged(d_->position);
}

namespace {

sqlite3* writableHandle(Connection* connection, const QString& table, const QString& reason) {
    requireWritable(table, reason, connection != nullptr);
    return connection->handle();
}

}  // namespace

void Recordset::update() {
    State& s = *d_;
    if (s.edit == State::Edit::None) return;
    try {
        sqlite3* handle = writableHandle(activeConnection(), s.table, s.readOnlyReason);
        if (s.edit == State::Edit::Added) {
            insertCurrent(handle);
        } else {
            updateCurrent(handle);
        }
    } catch (...) {
        cancelUpdate();   // a row that could not be written shows what the database holds
        throw;
    }
    s.current().packed = PackedRow::pack(s.edited, s.arena);
    s.endEdit();
    emit rowChanged(s.position);
}

void Recordset::insertCurrent(sqlite3* handle) {
    State& s = *d_;
    QStringList names;
    QStringList marks;
    std::vector<int> written;
    for (int i = 0; i < fieldCount(); ++i) {
        if (!s.assigned[size_t(i)]) continue;
        names << quoted(s.columns[size_t(i)].origin);
        marks << QStringLiteral("?");
        written.push_back(i);
    }
    const QString sql = written.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(s.table))
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(quoted(s.table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    sqlite::Statement insert(handle, sql);
    for (size_t k = 0; k < written.size(); ++k) insert.bind(int(k) + 1, s.edited[size_t(written[k])]);
    insert.step();

    // Read the row back: the row id and the defaults are the database's.
    QStringList origins;
    for (const Column& column : s.columns) origins << quoted(column.origin);
    sqlite::Statement reread(handle, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                         .arg(origins.join(QLatin1Char(',')), quoted(s.table),
                                              quoted(s.columns[size_t(s.rowIdColumn)].origin)));
    reread.bind(1, Value(static_cast<std::int64_t>(sqlite3_last_insert_rowid(handle))));
    if (!reread.step()) throw DbError(kRowNotLocated);
    for (int i = 0; i < fieldCount(); ++i) s.edited[size_t(i)] = reread.column(i, s.columns[size_t(i)].kind == Kind::Date);
}

void Recordset::updateCurrent(sqlite3* handle) {
    State& s = *d_;
    std::vector<int> changed;
    for (int i = 0; i < fieldCount(); ++i) {
        if (s.assigned[size_t(i)] && !(s.edited[size_t(i)] == s.original[size_t(i)])) changed.push_back(i);
    }
    if (changed.empty()) return;
    QStringList sets;
    QStringList checks{QStringLiteral("%1 = ?").arg(quoted(s.columns[size_t(s.rowIdColumn)].origin))};
    for (int i : changed) {
        sets << QStringLiteral("%1 = ?").arg(quoted(s.columns[size_t(i)].origin));
        checks << QStringLiteral("%1 IS ?").arg(quoted(s.columns[size_t(i)].origin));
    }
    sqlite::Statement statement(handle, QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                            .arg(quoted(s.table), sets.join(QLatin1Char(',')),
                                                 checks.join(QLatin1String(" AND "))));
    int slot = 1;
    for (int i : changed) statement.bind(slot++, s.edited[size_t(i)]);
    statement.bind(slot++, s.edited[size_t(s.rowIdColumn)]);
    for (int i : changed) statement.bind(slot++, s.original[size_t(i)]);
    statement.step();
    if (sqlite3_changes(handle) == 0) throw DbError(kRowNotLocated);
}

void Recordset::cancelUpdate() {
    State& s = *d_;
    if (s.edit == State::Edit::Changed) {
        s.endEdit();
        emit rowChanged(s.position);
    } else if (s.edit == State::Edit::Added) {
        s.endEdit();
        const int row = s.position;
        s.current() = State::Row{{}, true};
        s.order.erase(s.order.begin() + row);
        const auto back = std::find(s.order.begin(), s.order.end(), s.beforeAdd);
        s.position = back == s.order.end() ? recordCount() : static_cast<int>(back - s.order.begin());
        emit rowRemoved(row);
        emit currentRowChanged(currentRow());
    }
}

void Recordset::remove() {
    requireOpen(d_->open);
    if (!d_->atRow()) throw DbError(kNoCurrentRow);
    if (d_->edit == State::Edit::Added) {
        cancelUpdate();   // never written, so nothing to delete
        return;
    }
    cancelUpdate();
    State& s = *d_;
    sqlite3* handle = writableHandle(activeConnection(), s.table, s.readOnlyReason);
    sqlite::Statement statement(handle, QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                            .arg(quoted(s.table), quoted(s.columns[size_t(s.rowIdColumn)].origin)));
    statement.bind(1, s.cell(s.position, s.rowIdColumn));
    statement.step();
    if (sqlite3_changes(handle) == 0) throw DbError(kRowNotLocated);
    const int row = s.position;
    s.current() = State::Row{{}, true};
    s.order.erase(s.order.begin() + row);
    emit rowRemoved(row);
    emit currentRowChanged(currentRow());
}

void Recordset::setSort(const QString& sort) {
    requireOpen(d_->open);
    std::vector<SortKey> keys;
    for (const QString& part : sort.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        QString name = words[0];
        if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))) name = name.mid(1, name.size() - 2);
        const QString direction = words.size() > 1 ? words[1].toLower() : QStringLiteral("asc");
        if (words.size() > 2 || (direction != QLatin1String("asc") && direction != QLatin1String("desc"))) {
            throw DbError(QStringLiteral("The sort order \"%1\" is not a field name followed by asc or desc.").arg(sort));
        }
        keys.push_back({existingField(*this, name), direction == QLatin1String("desc")});
    }
    if (d_->edit != State::Edit::None) update();

    State& s = *d_;
    const Bookmark current = bookmark();
    const bool wasAtEnd = eof();
    s.order.clear();
    for (size_t b = 0; b < s.rows.size(); ++b) {
        if (!s.rows[b].removed) s.order.push_back(static_cast<Bookmark>(b));
    }
    // Each key field is unpacked once, not at every comparison.
    std::vector<std::vector<Value>> keyValues(keys.size(), std::vector<Value>(s.rows.size()));
    for (size_t k = 0; k < keys.size(); ++k) {
        for (Bookmark b : s.order) keyValues[k][size_t(b)] = s.rows[size_t(b)].packed.at(keys[k].column);
    }
    std::stable_sort(s.order.begin(), s.order.end(), [&](Bookmark left, Bookmark right) {
        for (size_t k = 0; k < keys.size(); ++k) {
            const SortKey& key = keys[k];
            const int order = compareValues(keyValues[k][size_t(left)], keyValues[k][size_t(right)]);
            if (order != 0) return key.descending ? order > 0 : order < 0;
        }
        return false;
    });
    s.sort = sort;
    const auto found = std::find(s.order.begin(), s.order.end(), current);
    if (found != s.order.end()) {
        s.position = static_cast<int>(found - s.order.begin());
    } else {
        s.position = wasAtEnd ? recordCount() : -1;
    }
    emit reset();
    emit currentRowChanged(currentRow());
}

QString Recordset::sort() const { return d_->sort; }

}  // namespace db
