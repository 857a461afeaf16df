#include "ui/NotebookTableModel.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "model/Data.h"
#include "report/NotebookTexts.h"

namespace {

QStringList Listed(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

NotebookTableModel::NotebookTableModel(Lab::Session& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    shownRows_ = static_cast<int>(session_.Rows().size());
    ApplyCaptions();
}

QStringList NotebookTableModel::Titles() {
    return Listed(Report::ColumnTitles());
}

QStringList NotebookTableModel::Directions() {
    return Listed(Report::DirectionNames());
}

QString NotebookTableModel::CellText(const Data::NotebookRow& row, int column,
                                     const QStringList& directionNames) {
    std::vector<std::string> names;
    for (const QString& name : directionNames)
        names.push_back(name.toStdString());
    return QString::fromStdString(Report::CellText(row, column, names));
}

void NotebookTableModel::ApplyCaptions() {
    titles_ = Titles();
    directions_ = Directions();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, ColumnCount - 1));
}

void NotebookTableModel::Reload() {
    const int rows = static_cast<int>(session_.Rows().size());
    if (rows != shownRows_) {
        beginResetModel();
        shownRows_ = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
    }
}

int NotebookTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int NotebookTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NotebookTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(session_.Rows().size())) return {};
    const Data::NotebookRow& row = session_.Rows()[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == DirectionColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                 : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && index.column() == DirectionColumn)
        return static_cast<int>(row.Direction);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return CellText(row, index.column(), directions_);
}

QVariant NotebookTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        const auto& rows = session_.Rows();
        const bool burst = section >= 0 && section < static_cast<int>(rows.size()) &&
                           rows[static_cast<std::size_t>(section)].AfterBurst;
        if (role == Qt::DisplayRole) return RowLabel(section, burst);
        if (role == Qt::ToolTipRole && burst)
            return QString::fromStdString(Data::GetText(Texts::AfterBurst));
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    return titles_.value(section);
}

QString NotebookTableModel::RowLabel(int index, bool afterBurst) {
    return QString::fromStdString(Report::RowLabel(index, afterBurst));
}

Qt::ItemFlags NotebookTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    if (column == DropletColumn || column == TicksColumn || column == DirectionColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool NotebookTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    const int changes =
        session_.EditCell(index.row(), index.column(), value.toString().toStdString());
    if (changes == 0) return false;
    emit Commanded(changes);
    return true;
}
