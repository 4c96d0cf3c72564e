#pragma once

#include "Connection.h"
#include "Value.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct sqlite3;

namespace db {

constexpr int adOpenForwardOnly = 0;
constexpr int adOpenKeyset = 1;
constexpr int adLockOptimistic = 3;
constexpr int adCmdText = 1;

// A client-side cursor: open() loads the whole result into memory. Rows can be added, changed and
// deleted when the result comes from one table (written back through that table's row id).
// Signals let a bound grid follow changes made from code.
class Recordset : public QObject {
    Q_OBJECT
public:
    using Bookmark = long;

    Recordset();
    ~Recordset() override;

    void open(const QString& sql, Connection* connection, int cursorType = adOpenForwardOnly,
              int lockType = adLockOptimistic, int options = adCmdText);
    void close();
    bool isOpen() const;
    void detach();   // active connection set to none; the rows stay readable
    Connection* activeConnection() const;

    // Position
    bool eof() const;
    bool bof() const;
    void moveNext();
    void moveFirst();
    void moveLast();
    int recordCount() const;
    int currentRow() const;          // 0-based index in the current order; -1 at BOF/EOF
    void setCurrentRow(int row);     // -1 or recordCount() puts it at BOF/EOF
    Bookmark bookmark() const;       // stable across sorting
    void setBookmark(Bookmark bookmark);

    // Fields (names match without regard to case)
    int fieldCount() const;
    QString fieldName(int index) const;   // as the query names it
    int fieldIndex(const QString& name) const;   // -1 when absent
    QString declaredType(int index) const;        // column type as declared, upper case ("DATETIME")
    Value field(const QString& name) const;       // of the current row; DbError at BOF/EOF or unknown name
    Value field(int index) const;
    Value valueAt(int row, int index) const;      // any row, for grids
    void setField(const QString& name, const Value& value);
    void setField(int index, const Value& value);
    void setValueAt(int row, int index, const Value& value);   // makes row current, then assigns
    bool editing() const;                          // a row added or changed and not yet updated

    // Long binary
    void appendChunk(const QString& name, const QByteArray& bytes);
    QByteArray getChunk(const QString& name, long length) const;
    long actualSize(const QString& name) const;

    // Changes
    void addNew();
    void update();        // writes the pending row; optimistic check on changed fields
    void cancelUpdate();
    void remove();        // deletes the current row at once

    // Runs the assignments, then update(). When an assignment or the update is refused, the row is
    // dropped again, so that no half-assigned row lingers for a later move to write.
    template <typename Assign> void assignAndUpdate(Assign&& assign) {
        try {
            assign();
            update();
        } catch (...) {
            if (isOpen() && editing()) cancelUpdate();
            throw;
        }
    }

    void setSort(const QString& sort);   // "col asc", "col desc"; empty restores the query order
    QString sort() const;

signals:
    void reset();                 // opened, closed or re-sorted
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    void insertCurrent(sqlite3* handle);
    void updateCurrent(sqlite3* handle);

    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace db
