#pragma once
// The notebook's rows as a table for the notebook window: the cells the student recorded, which
// they may correct (droplet, ticks, direction), and the cells worked out from them.

#include "report/NotebookTexts.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace Lab {
class Session;
}

class NotebookTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// The columns, as the reports number them.
    enum Column {
        DropletColumn = Report::DropletColumn,
        TicksColumn = Report::TicksColumn,
        DistanceColumn = Report::DistanceColumn,
        TimeColumn = Report::TimeColumn,
        DirectionColumn = Report::DirectionColumn,
        VoltageColumn = Report::VoltageColumn,
        TemperatureColumn = Report::TemperatureColumn,
        PressureColumn = Report::PressureColumn,
        SpeedColumn = Report::SpeedColumn,
        RadiusColumn = Report::RadiusColumn,
        ChargeColumn = Report::ChargeColumn,
        ColumnCount = Report::ColumnCount,
    };

    /// The session's notebook as a table; a cell the student corrects goes to the session, and
    /// what that changed comes out as Commanded.
    NotebookTableModel(Lab::Session& session, QObject* parent = nullptr);

    /// The text of one cell of a row, as the table and the report show it.
    static QString CellText(const Data::NotebookRow& row, int column,
                            const QStringList& directionNames);
    /// The column titles and the direction names from the catalogue.
    static QStringList Titles();
    /// The row's number as the table shows it, marked when a burst came before it.
    static QString RowLabel(int index, bool afterBurst);
    static QStringList Directions();

    /// Loads the column titles and direction names from the catalogue.
    void ApplyCaptions();
    /// Shows the session's rows as they are now.
    void Reload();
    /// The direction names as the table shows them: fall, rise, balanced.
    const QStringList& DirectionNames() const { return directions_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    /// A correction changed the session: what must be drawn again.
    void Commanded(int changes);

private:
    Lab::Session& session_;
    int shownRows_ = 0;
    QStringList titles_;
    QStringList directions_;
};
