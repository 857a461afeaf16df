// Hostile input: text typed and pasted into the voltage field, the temperature field, the
// stopwatch display and the identity prompt (very long, control characters, right-to-left,
// full-width digits, numbers beyond every range); a description document that is no plain file
// or cannot be read; language folders with odd names or by the hundred. The model keeps its last
// valid value and nothing overflows; only a guide that is not there is reported.
#include "catalogue/FolderEntries.h"
#include "catalogue/TextCatalogue.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/SystemOpenerStandIn.h"
#include "ui/DescriptionOpener.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Long = 100'000;

/// Types `text` as key events of `chunk` characters each: printable ASCII one by one through
/// QTest::keyClicks, anything else (and longer chunks) as the text of a key without a name, the
/// way an input method delivers it.
void Type(QWidget* widget, const QString& text, int chunk = 1) {
    for (qsizetype i = 0; i < text.size(); i += chunk) {
        const QString piece = text.mid(i, chunk);
        const char16_t c = piece.at(0).unicode();
        if (piece.size() == 1 && c >= 0x20 && c < 0x7F)
            QTest::keyClicks(widget, piece);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, piece, Qt::NoModifier);
    }
}

/// Texts that are a number in neither field.
struct Hostile {
    const char* what;
    QString text;
};

const std::vector<Hostile>& HostileTexts() {
    static const std::vector<Hostile> texts = {
        {"100,000 letters", QString(Long, 'x')},
        {"100,000 digits", QString(Long, '9')},
        {"100,000 blanks", QString(Long, ' ')},
        {"control characters", QString::fromUtf8("\x01\x02\t\r\n\x1b\x7f")},
        {"tab inside digits", "5\t0"},
        {"NUL inside digits", QString("12") + QChar(0) + "3"},
        {"right-to-left override", QString::fromUtf8("\u202E500\u202C")},
        {"Arabic-Indic digits", QString::fromUtf8("\u0665\u0660\u0660")},
        {"Hebrew", QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD")},
        {"full-width digits", QString::fromUtf8("\uFF11\uFF12")},
        {"nan", "nan"},
        {"inf", "inf"},
        {"0x", "0x"},
        {"$", "$"},
        {"blanks", "  "},
        {"1e", "1e"},
        {"1e400", "1e400"},
    };
    return texts;
}

/// Every chamber variable, to see that something changed none of them.
struct Chamber {
    double SimTime, CurTemp, PrevTemp, AmbientTemp, TempRefTime, InjectTime, VoltageSetting,
        PlateVoltage, ViewOffsetX, ViewOffsetY, StopwatchStart;
    bool VoltageOn, PolarityPositive, StopwatchRunning;
    bool operator==(const Chamber&) const = default;

    static Chamber Now() {
        namespace D = Data;
        return {D::SimTime,          D::CurTemp,         D::PrevTemp,       D::AmbientTemp,
                D::TempRefTime,      D::InjectTime,      D::VoltageSetting, D::PlateVoltage,
                D::ViewOffsetX,      D::ViewOffsetY,     D::StopwatchStart, D::VoltageOn,
                D::PolarityPositive, D::StopwatchRunning};
    }
};

class HostileInputTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ActivateWithoutLoop();
    }

    /// Types into the voltage field, checking after every key event: a text that is no integer
    /// leaves the setting as it was, an integer sets its clamped value and shows it.
    void TypeIntoVoltageField(const QString& text, int chunk) {
        for (qsizetype i = 0; i < text.size(); i += chunk) {
            const double before = Data::VoltageSetting;
            Type(form->Voltage()->Edit7, text.mid(i, chunk), chunk);
            const QString shown = form->Voltage()->Edit7->text();
            const auto value = Data::ParseInteger(shown.toStdString());
            if (value) {
                const int volts = std::clamp(*value, 0, 1000);
                ASSERT_EQ(Data::VoltageSetting, volts) << "after " << i;
                ASSERT_EQ(shown, QString::number(volts));
            } else {
                ASSERT_EQ(Data::VoltageSetting, before) << "after " << i;
            }
            ASSERT_EQ(Data::PlateVoltage, Data::VoltageOn ? Data::VoltageSetting : 0.0);
        }
    }

    /// Types into the temperature field, checking after every key event: the field keeps what
    /// was typed; a text that is no number leaves the set temperature as it was, a number sets it
    /// within 0 to 100 degrees.
    void TypeIntoTemperatureField(const QString& text, int chunk) {
        for (qsizetype i = 0; i < text.size(); i += chunk) {
            const double before = Data::AmbientTemp;
            const QString expected = form->Thermometer()->Edit2->text() + text.mid(i, chunk);
            Type(form->Thermometer()->Edit2, text.mid(i, chunk), chunk);
            const QString shown = form->Thermometer()->Edit2->text();
            ASSERT_TRUE(expected.startsWith(shown)) << "the field was rewritten after " << i;
            if (const auto value = Data::ParseReal(shown.toStdString())) {
                ASSERT_EQ(Data::AmbientTemp, std::clamp(*value, 0.0, 100.0) + 273);
            } else {
                ASSERT_EQ(Data::AmbientTemp, before) << "after " << i;
            }
        }
    }
};

} // namespace

// --- The voltage field ----------------------------------------------------------------------

TEST_F(HostileInputTest, PastedVoltageKeepsTheLastValidValue) {
    struct Case {
        const char* what;
        QString text;
        std::optional<int> volts; // nothing: the setting stays at 250 and the text as pasted
    };
    std::vector<Case> cases;
    for (const Hostile& h : HostileTexts())
        cases.push_back({h.what, h.text, std::nullopt});
    const std::vector<Case> more = {
        {"1e308", "1e308", std::nullopt},
        {"beyond 64 bits", "99999999999999999999", std::nullopt},
        {"2^31", "2147483648", std::nullopt},
        {"-2^31 - 1", "-2147483649", std::nullopt},
        {"-0", "-0", 0},
        {"-2^31", "-2147483648", 0},
        {"2^31 - 1", "2147483647", 1000},
        {"eight F digits", "$FFFFFFFF", 0},
        {"hexadecimal 1000", "0x3E8", 1000},
        {"leading blanks and zeros", "  0500", 500},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    form->Voltage()->BitBtn3->click(); // supply on, so that the plate voltage follows every change
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->Voltage()->Edit7->setText("250");
        form->Voltage()->Edit7->setText(c.text);
        const double volts = c.volts.value_or(250);
        EXPECT_EQ(Data::VoltageSetting, volts);
        EXPECT_EQ(Data::PlateVoltage, volts);
        if (c.volts)
            EXPECT_EQ(form->Voltage()->Edit7->text(), QString::number(*c.volts));
        else // as pasted, as far as the field holds it
            EXPECT_TRUE(c.text.startsWith(form->Voltage()->Edit7->text()) &&
                        !form->Voltage()->Edit7->text().isEmpty());
    }
}

TEST_F(HostileInputTest, TypedVoltageOnlyEverAppliesValidValues) {
    form->Voltage()->BitBtn3->click();
    for (const Hostile& h : HostileTexts()) {
        SCOPED_TRACE(h.what);
        form->Voltage()->Edit7->setText("250");
        form->Voltage()->Edit7->setText(""); // empty is no value: the setting stays
        ASSERT_EQ(Data::VoltageSetting, 250.0);
        TypeIntoVoltageField(h.text, h.text.size() > 1000 ? 1000 : 1);
    }
    form->Voltage()->Edit7->setText("");
    TypeIntoVoltageField("-0", 1);
    EXPECT_EQ(form->Voltage()->Edit7->text(), "0");
    EXPECT_EQ(Data::VoltageSetting, 0.0);
    form->Voltage()->Edit7->setText("");
    TypeIntoVoltageField("99999999999999999999", 1); // clamped at the fourth digit
    EXPECT_EQ(Data::VoltageSetting, 1000.0);
}

// --- The temperature field ------------------------------------------------------------------

TEST_F(HostileInputTest, PastedTemperatureKeepsTheLastValidValue) {
    struct Case {
        const char* what;
        QString text;
        std::optional<double> celsius; // nothing: the set temperature stays at 30 degrees
        const char* shown;
    };
    std::vector<Case> cases;
    for (const Hostile& h : HostileTexts())
        cases.push_back({h.what, h.text, std::nullopt, ""});
    const std::vector<Case> more = {
        {"1e308", "1e308", 100, "100.00"},
        {"-0", "-0", 0, " 0.00"},
        {"beyond 64 bits", "99999999999999999999", 100, "100.00"},
        {"2^31", "2147483648", 100, "100.00"},
        {"-2^31 - 1", "-2147483649", 0, " 0.00"},
        {"below the smallest double", "-1e-400", 0, " 0.00"},
        {"a billionth", "0.000000001", 1e-9, " 0.00"},
        {"largest double", "1.7976931348623157e308", 100, "100.00"},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->Thermometer()->Edit2->setText("30");
        Data::SimulationTick(); // so that a new setting would move the relaxation's start
        const double prev = Data::PrevTemp;
        const double ref = Data::TempRefTime;
        form->Thermometer()->Edit2->setText(c.text);
        if (c.celsius) {
            EXPECT_EQ(Data::AmbientTemp, *c.celsius + 273);
            EXPECT_EQ(form->Thermometer()->Edit2->text(), c.shown);
            EXPECT_EQ(form->Thermometer()->UpDown2->Position(), static_cast<int>(*c.celsius));
        } else {
            EXPECT_EQ(Data::AmbientTemp, 303.0);
            EXPECT_EQ(Data::PrevTemp, prev);
            EXPECT_EQ(Data::TempRefTime, ref);
            EXPECT_EQ(form->Thermometer()->UpDown2->Position(), 30);
            EXPECT_TRUE(c.text.startsWith(form->Thermometer()->Edit2->text()) &&
                        !form->Thermometer()->Edit2->text().isEmpty());
        }
    }
}

TEST_F(HostileInputTest, TypedTemperatureOnlyEverAppliesValidValues) {
    for (const Hostile& h : HostileTexts()) {
        SCOPED_TRACE(h.what);
        form->Thermometer()->Edit2->setText("30");
        form->Thermometer()->Edit2->setText("");
        ASSERT_EQ(Data::AmbientTemp, 303.0);
        TypeIntoTemperatureField(h.text, h.text.size() > 1000 ? 1000 : 1);
    }
    struct Case {
        const char* typed;
        const char* shown;
        double ambient;
    };
    for (const Case& c : {Case{"-0", " 0.00", 273}, Case{"1e308", "100.00", 373}}) {
        SCOPED_TRACE(c.typed);
        form->Thermometer()->Edit2->setText("");
        TypeIntoTemperatureField(c.typed, 1);
        QTest::keyClick(form->Thermometer()->Edit2, Qt::Key_Return);
        EXPECT_EQ(form->Thermometer()->Edit2->text(), c.shown);
        EXPECT_EQ(Data::AmbientTemp, c.ambient);
    }
}

// --- The stopwatch display ------------------------------------------------------------------

TEST_F(HostileInputTest, StopwatchDisplayTextChangesNothingAndTheNextTickOverwritesIt) {
    form->Voltage()->Edit7->setText("300");
    form->Thermometer()->Edit2->setText("40");
    Data::SimulationTick();
    std::vector<QString> texts = {"12:34,5", "-1", "99999999999999999999"};
    for (const Hostile& h : HostileTexts())
        texts.push_back(h.text);
    for (bool running : {false, true}) {
        if (running) form->Stopwatch()->BitBtn4->click();
        for (const QString& text : texts) {
            SCOPED_TRACE(text.left(20).toStdString());
            const Chamber before = Chamber::Now();
            form->Stopwatch()->Edit1->setText(text);
            Type(form->Stopwatch()->Edit1, text.left(2000), text.size() > 1000 ? 1000 : 1);
            EXPECT_EQ(Chamber::Now(), before);
            const QString shown = form->Stopwatch()->Edit1->text();
            Data::SimulationTick();
            if (running) {
                EXPECT_EQ(form->Stopwatch()->Edit1->text().toStdString(),
                          Data::FormatStopwatch(Data::SimTime - Data::StopwatchStart));
            } else {
                EXPECT_EQ(form->Stopwatch()->Edit1->text(), shown);
            }
        }
    }
}

// --- The identity prompt --------------------------------------------------------------------

TEST_F(HostileInputTest, AnyIdentifierEndsUpInTheWindowTitle) {
    std::vector<QString> texts = {"1e308", "-0", "１２", "$", "anna"};
    for (const Hostile& h : HostileTexts())
        if (h.text.size() < 1000) texts.push_back(h.text);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        password->Password->setText(text);
        EXPECT_EQ(password->Identifier(), text);
        form->ApplyCaptions();
        EXPECT_EQ(form->windowTitle(), "None   /   " + text);
        password->Password->clear();
        Type(password->Password, text);
        form->ApplyCaptions();
        EXPECT_EQ(form->windowTitle(), "None   /   " + password->Identifier());
    }
}

TEST_F(HostileInputTest, IdentifierHasNoLengthLimit) {
    const QString pasted = QString(Long, 'p');
    password->Password->setText(pasted);
    EXPECT_EQ(password->Identifier().size(), Long);
    password->Password->clear();
    Type(password->Password, QString(Long, 't'), 1000);
    EXPECT_EQ(password->Identifier().size(), Long);
    form->ApplyCaptions();
    EXPECT_TRUE(form->windowTitle().endsWith("   /   " + QString(Long, 't')));
}

// --- The description document ---------------------------------------------------------------

TEST_F(HostileInputTest, DescriptionThatIsNoPlainFileIsReportedAsMissing) {
    SystemOpenerStandIn opener(0);
    const std::filesystem::path document = folder_ / "TESSILAR.rtf";
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"a folder", [&] { std::filesystem::create_directory(document); }},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(document.c_str(), 0600), 0); }},
        {"a link to nothing", [&] { std::filesystem::create_symlink("nowhere.rtf", document); }},
        {"a link to itself", [&] { std::filesystem::create_symlink("TESSILAR.rtf", document); }},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/zero", document); }},
    };
    const Chamber before = Chamber::Now();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(document);
        c.make();
        QElapsedTimer timer;
        timer.start();
        form->Sg1Click();
        QApplication::processEvents();
        EXPECT_LT(timer.elapsed(), 2000);
        // Nothing is handed to the system; the message names the document it looked for.
        EXPECT_TRUE(opener.Opened().isEmpty());
        auto* message = form->findChild<QMessageBox*>("GuideMessage");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text().contains("TESSILAR.rtf"));
        delete message;
    }
    EXPECT_EQ(Chamber::Now(), before);
}

TEST_F(HostileInputTest, UnreadableDescriptionIsHandedOnWithoutAMessage) {
    SystemOpenerStandIn opener(0);
    const std::filesystem::path document = folder_ / "tessilar.RTF";
    std::ofstream(document) << "{\\rtf1 x}";
    ::chmod(document.c_str(), 0);
    const auto topLevels = QApplication::topLevelWidgets().size();
    form->Sg1Click();
    auto* description = form->findChild<DescriptionOpener*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !description->Waiting(); }, 20000));
    // Whether the viewer can read it is the viewer's matter; the program only asks it to open.
    EXPECT_EQ(opener.Opened(), QStringList{QString::fromStdString(document.string())});
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
}

// --- The language dialog with odd and many folders ------------------------------------------

namespace {

/// Shows the language dialog, picks the entry `name` (or only reads the list when empty) and
/// returns the listed entries.
QStringList ChooseInLanguageDialog(TLanguageDlg& dialog, const QString& name) {
    QStringList items;
    QTimer::singleShot(0, &dialog, [&] {
        for (int i = 0; i < dialog.ComboBox1->count(); ++i)
            items << dialog.ComboBox1->itemText(i);
        if (name.isEmpty()) {
            dialog.BitBtn2->click();
            return;
        }
        dialog.ComboBox1->setCurrentIndex(dialog.ComboBox1->findText(name));
        dialog.BitBtn1->click();
    });
    QTimer guard; // ends a loop the test failed to end, so it fails instead of hanging
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(mrCancel); });
    guard.start(10000);
    dialog.ShowModal();
    return items;
}

} // namespace

TEST_F(HostileInputTest, LanguageDialogListsOddNamesAndReadsTheChosenCatalogue) {
    const std::vector<std::string> names = {"Español", "Magyar nyelv",  "English (UK)", "v1.2",
                                            "日本語",  "trailing dot.", "Linked"};
    for (const std::string& name : names) {
        if (name == "Linked") continue;
        WriteCatalogue("S0001=\"" + name + "\"\n", name);
    }
    std::filesystem::create_directory_symlink(folder_ / "Magyar nyelv", folder_ / "Linked");
    std::filesystem::create_symlink("Loop 2", folder_ / "Loop 1");
    std::filesystem::create_symlink("Loop 1", folder_ / "Loop 2");
    std::filesystem::create_directory(folder_ / ".hidden");

    QStringList expected;
    for (const std::string& name : Data::LanguageFolders(Data::ExeDir))
        expected << QString::fromStdString(name);
    ASSERT_EQ(expected.size(), static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const QString item = QString::fromStdString(name);
        EXPECT_EQ(ChooseInLanguageDialog(*language, item), expected);
        const std::string expectedText = name == "Linked" ? "Magyar nyelv" : name;
        EXPECT_EQ(Data::GetText(1), expectedText);
        EXPECT_EQ(Data::LangDir, Data::ExeDir + name);
    }
}

TEST_F(HostileInputTest, LanguageDialogListsFiveHundredFoldersAndReadsTheChosenOne) {
    constexpr int Count = 500;
    for (int i = 0; i < Count; ++i) {
        const std::string name = "Nyelv " + std::to_string(1000 + i).substr(1);
        WriteCatalogue("S0001=" + name + "\n", name);
    }
    const QStringList items = ChooseInLanguageDialog(*language, "Nyelv 321");
    ASSERT_EQ(items.size(), Count);
    for (int i = 0; i < Count; ++i)
        EXPECT_EQ(items[i], QString::fromStdString("Nyelv " + std::to_string(1000 + i).substr(1)));
    EXPECT_EQ(Data::GetText(1), "Nyelv 321");
}

TEST_F(HostileInputTest, LanguageFolderWhoseNameIsNoUtf8CanBeChosen) {
    // A folder unpacked from an old archive may carry its name in an 8-bit code page.
    const std::string name = "Espa\xF1ol";
    WriteCatalogue("S0001=Aceptar\n", name);
    const QStringList items = ChooseInLanguageDialog(*language, QString());
    ASSERT_EQ(items.size(), 1);
    ChooseInLanguageDialog(*language, items.front());
    EXPECT_EQ(Data::GetText(1), "Aceptar");
}
