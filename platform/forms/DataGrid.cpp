#include "DataGrid.h"

#include "DateFormat.h"
#include "Form.h"
#include "platform/db/Recordset.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>

#include <map>
#include <stdexcept>

namespace forms {

namespace {

const QString kDefaultDateFormat = QStringLiteral("dd/mm/yyyy");

struct ColumnSetting {
    bool hidden = false;
    bool locked = false;
    int widthTwips = 0;   // 0: the grid's default
    QString format;
    QString caption;
};

// The recordset's rows as a table, read on demand: the grid holds no copy of the data.
class RecordsetModel : public QAbstractTableModel {
public:
    QPointer<db::Recordset> recordset;
    std::map<QString, ColumnSetting> settings;   // by lower-case field name
    bool allowUpdate = false;

    bool bound() const { return recordset && recordset->isOpen(); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !bound() ? 0 : recordset->recordCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !bound() ? 0 : recordset->fieldCount();
    }

    const ColumnSetting* setting(int column) const {
        const auto found = settings.find(recordset->fieldName(column).toLower());
        return found == settings.end() ? nullptr : &found->second;
    }

    QString text(int row, int column) const {
        const db::Value value = recordset->valueAt(row, column);
        // A long binary (a picture) has no text to show; its bytes read as text are noise.
        if (value.type() == db::Value::Type::Bytes) return {};
        const ColumnSetting* s = setting(column);
        const QString format = s && !s->format.isEmpty() ? s->format : QString();
        if (value.type() == db::Value::Type::Date) {
            return formatDate(value.toDate(), format.isEmpty() ? kDefaultDateFormat : format);
        }
        if (!format.isEmpty() && value.toDate().isValid()) return formatDate(value.toDate(), format);
        return value.toString();
    }

    // A date is edited in the form the recordset takes back, whatever its display format.
    QString editText(int row, int column) const {
        const db::Value value = recordset->valueAt(row, column);
        if (value.type() == db::Value::Type::Date) return formatDate(value.toDate(), kDefaultDateFormat);
        return value.toString();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!bound() || !index.isValid()) return {};
        if (role == Qt::DisplayRole) return text(index.row(), index.column());
        if (role == Qt::EditRole) return editText(index.row(), index.column());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || !bound()) return QAbstractTableModel::headerData(section, orientation, role);
        if (orientation == Qt::Vertical) return QVariant();
        const ColumnSetting* s = setting(section);
        return s && !s->caption.isEmpty() ? s->caption : recordset->fieldName(section);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (!bound() || !index.isValid() || !allowUpdate) return flags;
        const ColumnSetting* s = setting(index.column());
        return s && s->locked ? flags : flags | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
        const QString typed = value.toString();
        if (typed == editText(index.row(), index.column())) return false;
        bool assigned = false;
        guarded([&] {
            // A cleared cell holds nothing, which suits number and date columns alike.
            recordset->setValueAt(index.row(), index.column(), typed.isEmpty() ? db::Value() : db::Value(typed));
            assigned = true;
        });
        if (assigned) emit dataChanged(index, index);
        return assigned;
    }

    void rebind(db::Recordset* source) {
        beginResetModel();
        recordset = source;
        settings.clear();
        endResetModel();
    }
    void rowsReset() {
        beginResetModel();
        endResetModel();
    }
    void rowInserted(int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    }
    void rowRemoved(int row) {
        beginRemoveRows({}, row, row);
        endRemoveRows();
    }
    void rowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }
};

}  // namespace

struct DataGrid::Impl {
    RecordsetModel model;
    bool allowDelete = false;
    bool following = false;   // moving the grid to the recordset's row, not the other way round
    QList<QMetaObject::Connection> connections;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), d_(std::make_unique<Impl>()) {
    setModel(&d_->model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::headClick);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit dblClick();
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit click();
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (d_->following || !d_->model.bound()) return;
                if (previous.isValid() && previous.row() != current.row()) writePendingRow();
                if (current.isValid() && d_->model.recordset->currentRow() != current.row()) {
                    d_->following = true;
                    guarded([&] { d_->model.recordset->setCurrentRow(current.row()); });
                    d_->following = false;
                }
            });
}

DataGrid::~DataGrid() = default;

void DataGrid::setDataSource(db::Recordset* recordset) {
    for (const auto& connection : d_->connections) disconnect(connection);
    d_->connections.clear();
    d_->model.rebind(recordset);
    if (recordset) {
        d_->connections = {
            connect(recordset, &db::Recordset::reset, this, [this] {
                d_->model.rowsReset();
                applyColumnSettings();
                followRecordset();
            }),
            connect(recordset, &db::Recordset::rowInserted, this, [this](int row) { d_->model.rowInserted(row); }),
            connect(recordset, &db::Recordset::rowRemoved, this, [this](int row) {
                // The view moves its current row off the removed one; the recordset has already
                // chosen its own, which the grid follows next.
                d_->following = true;
                d_->model.rowRemoved(row);
                d_->following = false;
            }),
            connect(recordset, &db::Recordset::rowChanged, this, [this](int row) { d_->model.rowChanged(row); }),
            connect(recordset, &db::Recordset::currentRowChanged, this, [this] { followRecordset(); }),
            connect(recordset, &QObject::destroyed, this, [this] { setDataSource(nullptr); }),
        };
    }
    applyColumnSettings();
    followRecordset();
}

db::Recordset* DataGrid::dataSource() const { return d_->model.recordset; }

int DataGrid::columnOf(const QString& field) const {
    const int column = d_->model.bound() ? d_->model.recordset->fieldIndex(field) : -1;
    if (column < 0) throw std::invalid_argument(QStringLiteral("The grid has no column %1").arg(field).toStdString());
    return column;
}

namespace {
template <typename Change> void changeSetting(std::map<QString, ColumnSetting>& settings, const QString& field, Change change) {
    change(settings[field.toLower()]);
}
}  // namespace

void DataGrid::hideColumn(const QString& field) {
    const int column = columnOf(field);
    changeSetting(d_->model.settings, field, [](ColumnSetting& s) { s.hidden = true; });
    setColumnHidden(column, true);
}

void DataGrid::lockColumn(const QString& field) {
    columnOf(field);
    changeSetting(d_->model.settings, field, [](ColumnSetting& s) { s.locked = true; });
}

void DataGrid::setColumnWidthTwips(const QString& field, int width) {
    const int column = columnOf(field);
    changeSetting(d_->model.settings, field, [width](ColumnSetting& s) { s.widthTwips = width; });
    setColumnWidth(column, px(width));
}

void DataGrid::setColumnFormat(const QString& field, const QString& format) {
    const int column = columnOf(field);
    changeSetting(d_->model.settings, field, [&format](ColumnSetting& s) { s.format = format; });
    emit d_->model.dataChanged(d_->model.index(0, column), d_->model.index(d_->model.rowCount() - 1, column));
}

void DataGrid::setColumnCaption(const QString& field, const QString& caption) {
    const int column = columnOf(field);
    changeSetting(d_->model.settings, field, [&caption](ColumnSetting& s) { s.caption = caption; });
    emit d_->model.headerDataChanged(Qt::Horizontal, column, column);
}

bool DataGrid::isColumnHidden(const QString& field) const { return QTableView::isColumnHidden(columnOf(field)); }

QString DataGrid::boundFieldName(int column) const {
    if (!d_->model.bound() || column < 0 || column >= d_->model.columnCount()) return {};
    return d_->model.recordset->fieldName(column);
}

QString DataGrid::displayText(int row, const QString& field) const { return d_->model.text(row, columnOf(field)); }

void DataGrid::setAllowUpdate(bool allow) {
    d_->model.allowUpdate = allow;
    setEditTriggers(allow ? QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                                QAbstractItemView::SelectedClicked
                          : QAbstractItemView::NoEditTriggers);
}

void DataGrid::setAllowDelete(bool allow) { d_->allowDelete = allow; }
bool DataGrid::allowUpdate() const { return d_->model.allowUpdate; }
bool DataGrid::allowDelete() const { return d_->allowDelete; }

void DataGrid::commit() {
    // A cell still being typed in is handed to the recordset first, or its text would be lost.
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    db::Recordset* recordset = d_->model.recordset;
    if (!d_->model.bound() || !recordset->editing()) return;
    try {
        recordset->update();
    } catch (...) {
        dropPendingRow();
        throw;
    }
}

void DataGrid::sortAscending(int column) {
    const QString field = boundFieldName(column);
    if (field.isEmpty()) {
        throw std::invalid_argument(QStringLiteral("The grid has no column %1").arg(column).toStdString());
    }
    d_->model.recordset->setSort(field + QStringLiteral(" asc"));
}

void DataGrid::writePendingRow() {
    if (!d_->model.recordset->editing()) return;
    bool written = false;
    guarded([&] {
        d_->model.recordset->update();
        written = true;
    });
    if (!written) dropPendingRow();
}

void DataGrid::dropPendingRow() {
    db::Recordset* recordset = d_->model.recordset;
    const int row = recordset->currentRow();
    recordset->cancelUpdate();
    if (row >= 0 && row < d_->model.rowCount()) d_->model.rowChanged(row);
}

void DataGrid::applyColumnSettings() {
    if (!d_->model.bound()) return;
    for (int column = 0; column < d_->model.columnCount(); ++column) {
        const ColumnSetting* s = d_->model.setting(column);
        setColumnHidden(column, s && s->hidden);
        if (s && s->widthTwips > 0) setColumnWidth(column, px(s->widthTwips));
    }
}

void DataGrid::followRecordset() {
    d_->following = true;
    const int row = d_->model.bound() ? d_->model.recordset->currentRow() : -1;
    if (row >= 0 && row < d_->model.rowCount()) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(d_->model.index(row, column));
    } else {
        selectionModel()->clear();
    }
    d_->following = false;
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && d_->allowDelete && state() != QAbstractItemView::EditingState &&
        d_->model.bound() && currentIndex().isValid()) {
        db::Recordset* recordset = d_->model.recordset;
        const int row = currentIndex().row();
        guarded([&] {
            // remove() drops a pending edit of the row itself; an added row is only dropped.
            recordset->setCurrentRow(row);
            recordset->remove();
        });
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace forms
