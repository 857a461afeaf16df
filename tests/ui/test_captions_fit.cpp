// Every caption of every shipped language fits its control, measured in the control's own font:
// a button's or a check box's text within its width, a label's up to the next control on its row
// or its parent's edge, a table's column title within its column. German and French run longer
// than the design's Hungarian.
#include "tests/ui/MainWindowFixture.h"
#include "ui/NotebookWindow.h"
#include "ui/TeacherDlg.h"
#include "ui/layer/Captions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

namespace {

/// The room a label has: up to the nearest control to its right that shares its rows, or its
/// parent's edge.
int RoomRightOf(const QLabel* label) {
    const QWidget* parent = label->parentWidget();
    int limit = parent->width();
    for (const QObject* child : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == label || !other->isVisibleTo(parent)) continue;
        const QRect g = other->geometry();
        const bool sameRows = g.top() < label->geometry().bottom() && g.bottom() > label->y();
        if (sameRows && g.left() > label->x()) limit = std::min(limit, g.left());
    }
    return limit;
}

/// Every button, check box, label and column title of `window` whose text does not fit, with the
/// language.
void ExpectCaptionsFit(const QWidget* window, const std::string& language) {
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const std::string where = language + ": " + window->objectName().toStdString() + "." +
                                  w->objectName().toStdString();
        if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            EXPECT_LE(box->sizeHint().width(), box->width())
                << where << " " << box->text().toStdString();
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            const QString text = WithoutMnemonics(button->text());
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(text) + icon + 8, button->width())
                << where << " " << text.toStdString();
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            const int right = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_GE(label->x(), 0) << where << " " << label->text().toStdString();
            EXPECT_LE(right, RoomRightOf(label)) << where << " " << label->text().toStdString();
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header && header->orientation() == Qt::Horizontal) {
            for (int s = 0; s < header->count(); ++s) {
                if (header->isSectionHidden(s)) continue;
                const QString title = header->model()->headerData(s, Qt::Horizontal).toString();
                EXPECT_LE(header->fontMetrics().horizontalAdvance(title) + 8,
                          header->sectionSize(s))
                    << where << " column " << s << " " << title.toStdString();
            }
        }
    }
}

class CaptionsFit : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(CaptionsFit, InTheMainWindowTheNotebookAndEveryDialog) {
    Data::ExeDir = std::string(TESSILAR_DIST_DIR) + "/";
    Data::CloseTextCatalogue();
    if (*GetParam()) Data::ChooseLanguage(GetParam());
    const std::string language = *GetParam() ? GetParam() : "Magyar (program folder)";
    form->ApplyCaptions();
    // The pressure's panel shows with real air only, the About box's last line with settings.
    form->Show(form->Session().SetRealAir(true));
    form->SkipActivation();
    form->show();
    ExpectCaptionsFit(form->Client(), language);
    // Every column of the notebook shows with real air.
    form->Jegyzfzet1Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->NotebookView()));
    ExpectCaptionsFit(form->NotebookView(), language);
    form->NotebookView()->hide();
    form->hide();
    password->show();
    ExpectCaptionsFit(password.get(), language);
    password->hide();
    about->show();
    ExpectCaptionsFit(about.get(), language);
    about->hide();
    TTeacherDlg teacher;
    teacher.show();
    ExpectCaptionsFit(&teacher, language);
    teacher.hide();
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsFit,
                         ::testing::Values("", "English", "Deutsch", "Français", "Español"));
