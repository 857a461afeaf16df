#include "ui/NotebookWindow.h"

#include "catalogue/TextCatalogue.h"
#include "model/ClassResults.h"
#include "notebook/NotebookFile.h"
#include "report/NotebookTexts.h"
#include "report/Reports.h"
#include "ui/ChargeHistogram.h"
#include "ui/NotebookTableModel.h"
#include "ui/ReportFile.h"
#include "ui/layer/FocusRing.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace {

QString Text(int n) {
    return QString::fromStdString(Data::GetText(n));
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

NotebookWindow::NotebookWindow(NotebookStore* store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store), model_(new NotebookTableModel(store, this)) {
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
    layout->addWidget(KeysLabel);

    connect(store_, &NotebookStore::Changed, this, [this] {
        ShowCalculatedColumns();
        FollowNewRows();
        ShowEstimate();
    });
    rowsSeen_ = static_cast<int>(store_->Rows().size());
    ShowCalculatedColumns();
    resize(860, 640);
}

void NotebookWindow::ApplyCaptions(const QString& identifier) {
    setWindowTitle(Text(500) + "   /   " + identifier);
    DeleteButton->setText(Text(514));
    ExportButton->setText(Text(515));
    ReportButton->setText(Text(522));
    KeysLabel->setText(Text(516));
    Histogram->SetAxisTitle(Text(510));
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
    for (int column : {NotebookTableModel::RadiusColumn, NotebookTableModel::ChargeColumn})
        Table->setColumnHidden(column, !store_->Calculations());
    Histogram->setVisible(store_->Calculations());
    EstimateLabel->setVisible(store_->Calculations());
}

void NotebookWindow::ShowEstimate() {
    const Data::ChargeEstimate estimate = Data::NotebookEstimate(store_->Rows());
    Histogram->SetCharges(Data::NotebookCharges(store_->Rows()), estimate);
    EstimateLabel->setText(QString::fromStdString(Report::EstimateSentence(estimate)));
}

void NotebookWindow::FollowNewRows() {
    const int rows = static_cast<int>(store_->Rows().size());
    if (rows > rowsSeen_) Table->scrollToBottom();
    rowsSeen_ = rows;
}

void NotebookWindow::DeleteSelectedRows() {
    std::set<int, std::greater<>> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    for (int row : rows)
        store_->Remove(row, 1);
}

void NotebookWindow::ExportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, Text(515), QString(), Text(521));
    if (!path.isEmpty()) ExportTo(path);
}

bool NotebookWindow::ExportTo(const QString& path) {
    QString problem;
    if (Notebook::Write(path, store_->Rows(), &problem)) return true;
    Warn(Text(520).arg(path, problem));
    return false;
}

void NotebookWindow::SaveReport() {
    const QString path = QFileDialog::getSaveFileName(
        this, Text(522), Notebook::FileNameFor(identifier_).chopped(4) + ".pdf", Text(529));
    if (!path.isEmpty()) SaveReportTo(path);
}

bool NotebookWindow::SaveReportTo(const QString& path) {
    QString problem;
    const std::string pdf = Report::StudentReportPdf(identifier_.toStdString(), store_->Rows(),
                                                     store_->Calculations(), ReportMoment());
    if (WriteReportFile(path, pdf, &problem)) return true;
    Warn(Text(520).arg(path, problem));
    return false;
}

void NotebookWindow::Warn(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, Text(500), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
