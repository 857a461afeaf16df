#pragma once
// The notebook window: the student's timings as a table that grows with every recorded reading,
// with the function keys that record them. Non-modal: the simulation runs on while it is open.
// It draws the session's notebook; deleting and correcting rows go to the session, and what they
// changed comes out as Commanded for the main window to draw and keep.

#include <QWidget>

namespace Lab {
class Session;
}
class ChargeHistogram;
class ExtrapolationPlot;
class NotebookTableModel;
class QLabel;
class QPushButton;
class QTableView;

class NotebookWindow : public QWidget {
    Q_OBJECT

public:
    NotebookWindow(Lab::Session& session, QWidget* parent = nullptr);

    /// Loads the window's texts from the catalogue; the title names the identifier.
    void ApplyCaptions(const QString& identifier);
    /// The rows, the columns shown and the estimate as the session has them.
    void Draw();
    /// Shows the window, or brings it to the front when it is shown already.
    void ShowAndRaise();
    /// Removes the rows the student has selected.
    void DeleteSelectedRows();
    /// Asks for a file and writes the notebook there.
    void ExportCsv();
    /// Writes the notebook to `path`; shows a message and returns false when it cannot.
    bool ExportTo(const QString& path);
    /// Asks for a file and writes the report there.
    void SaveReport();
    /// Writes the report to `path`; shows a message and returns false when it cannot.
    bool SaveReportTo(const QString& path);

    QTableView* Table = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* ReportButton = nullptr;
    ChargeHistogram* Histogram = nullptr;
    QLabel* EstimateLabel = nullptr;
    /// A notebook timed in real air also shows the extrapolation that needs no slip constant.
    ExtrapolationPlot* Extrapolation = nullptr;
    QLabel* ExtrapolationLabel = nullptr;
    QLabel* KeysLabel = nullptr;
    QLabel* ProgressLabel = nullptr; ///< the droplets timed of those the teacher asks for

signals:
    /// A command of the window's changed the session: what must be drawn again.
    void Commanded(int changes);

private:
    void ShowCalculatedColumns();
    void FollowNewRows();
    void ShowEstimate();
    void Warn(const QString& text);

    Lab::Session& session_;
    NotebookTableModel* model_;
    int rowsSeen_ = 0;
    QString identifier_;
};
