#include "ui/AbtDlg.h"

#include "catalogue/TextCatalogue.h"
#include "design/DialogDesigns.h"
#include "lab/Lesson.h"
#include "model/Data.h"
#include "ui/layer/Fonts.h"

#include <QFontMetrics>

TAboutDlg::TAboutDlg(QWidget* parent) : TModalDialog(parent) {
    setObjectName("AboutDlg");
    setFont(DefaultFont());
    SetClientSize(AboutDesign::ClientWidth, AboutDesign::ClientHeight);
    SetBackgroundColor(this, AboutDesign::ClientColor);

    controls_ = BuildControls(this, AboutDesign::Controls());
    OKBtn = controls_.Bind<QPushButton>("OKBtn");
    Panel1 = controls_.Bind<TPanel>("Panel1");
    Panel1->SetSingleBorder(true);
    Panel1->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 1);
    Label1 = controls_.Bind<QLabel>("Label1");
    Label2 = controls_.Bind<QLabel>("Label2");
    Label3 = controls_.Bind<QLabel>("Label3");
    Label4 = controls_.Bind<QLabel>("Label4");
    Label5 = controls_.Bind<QLabel>("Label5");
    Label6 = controls_.Bind<QLabel>("Label6");
    designedButtonTop_ = OKBtn->y();
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TAboutDlg::FormActivate() {
    setWindowTitle(QString::fromStdString(Data::GetText(AboutDesign::TitleCaption)));
    ApplyDesignCaptions(controls_, AboutDesign::Controls());
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5}) {
        // Centred by the width of its text in its own font; a text wider than the panel gets a
        // negative left and is cut at both sides.
        const int textWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
        label->move((Panel1->width() - textWidth) / 2, label->y());
    }
    // The teacher's settings in force, between the panel and the button.
    const QString settings =
        QString::fromStdString(Lab::DescribeSettings(Lab::SettingsOfProgramFolder()));
    Label6->setText(settings);
    Label6->adjustSize();
    Label6->setVisible(!settings.isEmpty());
    const int buttonTop =
        settings.isEmpty() ? designedButtonTop_ : Label6->y() + Label6->height() + 8;
    OKBtn->move(OKBtn->x(), buttonTop);
    SetClientSize(AboutDesign::ClientWidth,
                  AboutDesign::ClientHeight + buttonTop - designedButtonTop_);
    if (!shownBefore_) {
        shownBefore_ = true;
        CentreOnScreen(); // later showings keep the last position
    }
}
