// The class's report in the browser: the teacher gives several notebook files at once; those
// that cannot be read are left out with their reason, the rest pooled into one PDF.
#include "lab/ClassCode.h"
#include "model/AnswerKey.h"
#include "model/ClassResults.h"
#include "notebook/ClassNotebooks.h"
#include "notebook/NotebookReasons.h"
#include "report/PdfDocument.h"
#include "report/Reports.h"
#include "web/core/api/Api.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

struct ClassFiles {
    std::vector<Data::StudentNotebook> Notebooks;
    std::vector<Report::LeftOut> LeftOut;
};
ClassFiles Class;
std::string ReportBytes;
std::string Reason;
std::string FaultReturned;

} // namespace

extern "C" {

void tess_class_begin() {
    Class = ClassFiles{};
}

int tess_class_add(const char* fileName, const std::uint8_t* bytes, int size) {
    const std::string name = fileName ? fileName : "";
    const std::string_view text(reinterpret_cast<const char*>(bytes),
                                bytes && size > 0 ? static_cast<std::size_t>(size) : 0);
    auto read = Notebook::ReadStudent(name, text);
    if (auto* problem = std::get_if<Notebook::CsvProblem>(&read)) {
        Reason = Notebook::Describe(*problem);
        Class.LeftOut.push_back({name, Reason});
        return 0;
    }
    Class.Notebooks.push_back(std::move(std::get<Data::StudentNotebook>(read)));
    return 1;
}

const char* tess_class_reason() {
    return Reason.c_str();
}

const char* tess_class_code_fault(const char* code) {
    const auto fault = Lab::ClassCodeFaultOf(code ? code : "");
    FaultReturned = fault ? Lab::Describe(*fault) : std::string();
    return FaultReturned.c_str();
}

const std::uint8_t* tess_class_report(const char* code, int year, int month, int day, int hour,
                                      int minute) {
    const Pdf::DateTime made{
        .Year = year, .Month = month, .Day = day, .Hour = hour, .Minute = minute};
    const std::string given = code ? code : "";
    std::optional<Data::ClassKey> key;
    if (!given.empty() && !Lab::ClassCodeFaultOf(given))
        key = Data::ClassKey{given, Data::AssessClass(given, Class.Notebooks)};
    ReportBytes = Class.Notebooks.empty() || (!given.empty() && Lab::ClassCodeFaultOf(given))
                      ? std::string()
                      : Report::ClassReportPdf(Data::PoolClass(Class.Notebooks), Class.Notebooks,
                                               Class.LeftOut, made, key ? &*key : nullptr);
    return reinterpret_cast<const std::uint8_t*>(ReportBytes.data());
}

int tess_class_report_size() {
    return static_cast<int>(ReportBytes.size());
}

} // extern "C"
