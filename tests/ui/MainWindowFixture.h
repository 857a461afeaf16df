#pragma once
// A fresh main window over a fresh chamber for each test, with the program folder pointed at a
// temporary folder that holds a catalogue (or none).

#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "ui/AbtDlg.h"
#include "ui/Language.h"
#include "ui/Main.h"
#include "ui/MicroscopeView.h"
#include "ui/PswdDlg.h"
#include "ui/StopwatchView.h"
#include "ui/ThermometerView.h"
#include "ui/VoltageView.h"
#include "ui/layer/Picture.h"
#include "ui/layer/Shape.h"
#include "ui/layer/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedExeDir_ = Data::ExeDir;
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessilar-ui-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Data::ExeDir = folder_.string() + "/";
        // Notebooks go to the test's own folder, never to the user's.
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((folder_ / "data").string()));
        Data::LangDir.clear();
        Data::CloseTextCatalogue();
        Data::ResetChamber();
        Data::DecimalSeparator = ',';
        form = std::make_unique<TForm1>();
        about = std::make_unique<TAboutDlg>();
        language = std::make_unique<TLanguageDlg>();
        password = std::make_unique<TPasswordDlg>();
        form->SetDialogs(about.get(), language.get(), password.get());
    }

    void TearDown() override {
        password.reset();
        language.reset();
        about.reset();
        form.reset();
        Data::ResetChamber();
        Data::CloseTextCatalogue();
        Data::LangDir.clear();
        Data::ExeDir = savedExeDir_;
        qputenv("XDG_DATA_HOME", savedDataHome_);
        Data::DecimalSeparator = '.';
        std::filesystem::remove_all(folder_);
    }

    /// Writes a catalogue into the program folder (or a subfolder) with the given lines.
    void WriteCatalogue(const std::string& body, const std::string& subfolder = "") {
        const auto dir = subfolder.empty() ? folder_ : folder_ / subfolder;
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "Tessilar.ini") << "[General]\n" << body;
        Data::CloseTextCatalogue();
    }

    /// Puts the chamber into the state the activation step leaves, without running the loop.
    void ActivateWithoutLoop() {
        Data::StartRun();
        form->DrawVoltmeter();
        form->UpdateThermometer();
    }

    /// Runs the real activation step (and with it the scheduler loop); `inside` runs from the
    /// loop after `afterMs` and the window is closed afterwards, which ends the loop.
    void RunActivated(int afterMs, const std::function<void()>& inside) {
        QTimer::singleShot(afterMs, form.get(), [&] {
            inside();
            form->close();
        });
        form->FormActivate();
    }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAboutDlg> about;
    std::unique_ptr<TLanguageDlg> language;
    std::unique_ptr<TPasswordDlg> password;
    std::filesystem::path folder_;

private:
    std::string savedExeDir_;
    QByteArray savedDataHome_;
};
