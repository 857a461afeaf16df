#include "ui/NotebookWindow.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "model/ClassResults.h"
#include "model/Extrapolation.h"
#include "notebook/NotebookFile.h"
#include "report/NotebookTexts.h"
#include "report/Reports.h"
#include "ui/ChargeHistogram.h"
#include "ui/ExtrapolationPlot.h"
#include "ui/NotebookTableModel.h"
#include "ui/ReportFile.h"
#include "ui/Warning.h"
#include "ui/layer/FocusRing.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

namespace {

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
}

/// Catalogue text n with its places filled by a file's path and what went wrong.
QString Text(int n, const QString& path, const QString& problem) {
    return QString::fromStdString(Data::GetText(n, {path.toStdString(), problem.toStdString()}));
}

/// The direction cell is edited with a list of the three directions.
class DirectionDelegate : public QStyledItemDelegate {
public:
    DirectionDelegate(const NotebookTableModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* list = new QComboBox(parent);
        list->addItems(model_->DirectionNames());
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
    }

private:
    const NotebookTableModel* model_;
};

} // namespace

NotebookWindow::NotebookWindow(Lab::Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session),
      model_(new NotebookTableModel(session, this)) {
    setObjectName("NotebookWindow");
    Table = new QTableView(this);
    Table->setModel(model_);
    Table->setItemDelegateForColumn(NotebookTableModel::DirectionColumn,
                                    new DirectionDelegate(model_, this));
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the buttons (the arrow keys move between cells), so that the
    // whole window can be worked from the keyboard.
    Table->setTabKeyNavigation(false);
    Table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    DeleteButton = new QPushButton(this);
    ExportButton = new QPushButton(this);
    ReportButton = new QPushButton(this);
    new FocusRing(this);
    Histogram = new ChargeHistogram(this);
    EstimateLabel = new QLabel(this);
    EstimateLabel->setWordWrap(true);
    QFont bold = EstimateLabel->font();
    bold.setBold(true);
    EstimateLabel->setFont(bold);
    Extrapolation = new ExtrapolationPlot(this);
    ExtrapolationLabel = new QLabel(this);
    ExtrapolationLabel->setWordWrap(true);
    ExtrapolationLabel->setFont(bold);
    ProgressLabel = new QLabel(this);
    KeysLabel = new QLabel(this);
    KeysLabel->setWordWrap(true);
    connect(DeleteButton, &QPushButton::clicked, this, &NotebookWindow::DeleteSelectedRows);
    connect(ExportButton, &QPushButton::clicked, this, &NotebookWindow::ExportCsv);
    connect(ReportButton, &QPushButton::clicked, this, &NotebookWindow::SaveReport);
    auto* remove = new QShortcut(QKeySequence::Delete, Table);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &NotebookWindow::DeleteSelectedRows);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    buttons->addWidget(ExportButton);
    buttons->addWidget(ReportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 3);
    layout->addLayout(buttons);
    layout->addWidget(Histogram, 2);
    layout->addWidget(EstimateLabel);
    layout->addWidget(Extrapolation, 2);
    layout->addWidget(ExtrapolationLabel);
    layout->addWidget(ProgressLabel);
    layout->addWidget(KeysLabel);

    connect(model_, &NotebookTableModel::Commanded, this, &NotebookWindow::Commanded);
    rowsSeen_ = static_cast<int>(session_.Rows().size());
    ShowCalculatedColumns();
    resize(860, 720);
}

void NotebookWindow::Draw() {
    model_->Reload();
    ShowCalculatedColumns();
    FollowNewRows();
    ShowEstimate();
}

void NotebookWindow::ApplyCaptions(const QString& identifier) {
    setWindowTitle(QString::fromStdString(
        Data::TitleWithIdentifier(Texts::NotebookTitle, identifier.toStdString())));
    DeleteButton->setText(Text(Texts::DeleteRows));
    ExportButton->setText(Text(Texts::ExportCsv));
    ReportButton->setText(Text(Texts::SaveReport));
    KeysLabel->setText(Text(Texts::NotebookKeys));
    Histogram->SetAxisTitle(Text(Texts::ChargeColumn));
    Extrapolation->SetAxisTitles(Text(Texts::ExtrapolationXAxis), Text(Texts::ExtrapolationYAxis));
    identifier_ = identifier;
    model_->ApplyCaptions();
    ShowEstimate();
}

void NotebookWindow::ShowAndRaise() {
    show();
    raise();
    activateWindow();
}

void NotebookWindow::ShowCalculatedColumns() {
    // A teacher may leave the radius and the charge for the students to work out by hand.
    const bool calculations = session_.Calculations();
    for (int column : {NotebookTableModel::RadiusColumn, NotebookTableModel::ChargeColumn})
        Table->setColumnHidden(column, !calculations);
    // The pressure, and the extrapolation from it, only in real air.
    const bool realAir = Data::TimedInRealAir(session_.Rows());
    Table->setColumnHidden(NotebookTableModel::PressureColumn, !realAir && !Data::RealAir);
    Histogram->setVisible(calculations);
    EstimateLabel->setVisible(calculations);
    ProgressLabel->setVisible(calculations);
    Extrapolation->setVisible(calculations && realAir);
    ExtrapolationLabel->setVisible(calculations && realAir);
}

void NotebookWindow::ShowEstimate() {
    const std::vector<Data::NotebookRow>& rows = session_.Rows();
    Histogram->SetCharges(Data::NotebookCharges(rows), Data::NotebookEstimate(rows));
    EstimateLabel->setText(QString::fromStdString(Report::NotebookEstimateSentence(rows)));
    ProgressLabel->setText(QString::fromStdString(
        Lab::ProgressSentence(Lab::ProgressOf(rows, session_.AskedDroplets()))));
    if (!Data::TimedInRealAir(rows)) return;
    Data::ChargeExtrapolation line = Data::ExtrapolateCharge(rows);
    const QString sentence = QString::fromStdString(Report::ExtrapolationSentence(line));
    ExtrapolationLabel->setText(sentence);
    // What the plot shows, for a screen reader: its points and the line's figures.
    Extrapolation->setAccessibleName(QString::fromStdString(
        Data::GetText(Texts::ExtrapolationPlot, {std::to_string(line.Points.size())})));
    Extrapolation->setAccessibleDescription(sentence);
    Extrapolation->SetLine(std::move(line));
}

void NotebookWindow::FollowNewRows() {
    const int rows = static_cast<int>(session_.Rows().size());
    if (rows > rowsSeen_) Table->scrollToBottom();
    rowsSeen_ = rows;
}

void NotebookWindow::DeleteSelectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    if (const int changes = session_.DeleteRows(rows)) emit Commanded(changes);
}

void NotebookWindow::ExportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, Text(Texts::ExportCsv), QString(),
                                                      Text(Texts::CsvFiles));
    if (!path.isEmpty()) ExportTo(path);
}

bool NotebookWindow::ExportTo(const QString& path) {
    QString problem;
    if (Notebook::Write(path, session_.Rows(), &problem)) return true;
    Warn(Text(Texts::FileNotWritten, path, problem));
    return false;
}

void NotebookWindow::SaveReport() {
    const QString path = QFileDialog::getSaveFileName(
        this, Text(Texts::SaveReport), Notebook::FileNameFor(identifier_).chopped(4) + ".pdf",
        Text(Texts::PdfFiles));
    if (!path.isEmpty()) SaveReportTo(path);
}

bool NotebookWindow::SaveReportTo(const QString& path) {
    QString problem;
    const std::string pdf = Report::StudentReportPdf(identifier_.toStdString(), session_.Rows(),
                                                     session_.Calculations(), ReportMoment());
    if (WriteReportFile(path, pdf, &problem)) return true;
    Warn(Text(Texts::FileNotWritten, path, problem));
    return false;
}

void NotebookWindow::Warn(const QString& text) {
    NewWarning(this, Text(Texts::NotebookTitle), text)->open();
}
