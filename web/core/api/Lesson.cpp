// The teacher's settings of a lesson as the page reads and gives them out (lab/Lesson.h), and
// what the student's notebook has done of the lesson, for a learning platform.
#include "lab/Lesson.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "model/ClassResults.h"
#include "model/FieldParsing.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"
#include "web/core/api/Run.h"

#include <string>
#include <vector>

namespace {

using WebRun::Session;

std::string LanguagesReturned, SettingsReturned, QueryReturned, PageReturned, IniReturned,
    ManifestReturned, DescriptionReturned, ProgressReturned;

/// The settings a normalised query gives; the page's own controls write such queries.
Lab::LessonSettings Given(const char* query) {
    return Lab::ReadSettings(query ? query : "", Lab::SettingsSource::Address);
}

template <typename T>
void Optional(JsonWriter& json, const char* key, const std::optional<T>& value) {
    json.Key(key);
    if (!value) {
        json.Null();
    } else if constexpr (std::is_same_v<T, bool>) {
        json.Bool(*value);
    } else if constexpr (std::is_same_v<T, int>) {
        json.Number(*value);
    } else {
        json.String(*value);
    }
}

} // namespace

extern "C" {

const char* tess_lesson_settings(const char* embedded, const char* query) {
    std::vector<std::string> ignored;
    // The page's own block first; the address, where it gives a setting, wins.
    const Lab::LessonSettings fromPage =
        Lab::ReadSettings(embedded ? embedded : "", Lab::SettingsSource::Page, {}, &ignored);
    const Lab::LessonSettings s =
        Lab::ReadSettings(query ? query : "", Lab::SettingsSource::Address, fromPage);
    JsonWriter json;
    json.BeginObject();
    Optional(json, "lang", s.Language);
    Optional(json, "calculations", s.Calculations);
    Optional(json, "brownian", s.Brownian);
    Optional(json, "realAir", s.RealAir);
    Optional(json, "classCode", s.ClassCode);
    Optional(json, "droplets", s.Droplets);
    json.Key("query").String(Lab::SettingsQuery(s));
    json.Key("ignored").BeginArray();
    for (const std::string& pair : ignored)
        json.String(pair);
    json.EndArray().EndObject();
    return WebRun::Returned(SettingsReturned, json.Text());
}

const char* tess_lesson_languages() {
    std::string lines;
    for (const Lab::LessonLanguage& language : Lab::LessonLanguages())
        lines += std::string(language.Code) + "\t" + language.Name + "\n";
    return WebRun::Returned(LanguagesReturned, lines);
}

const char* tess_settings_query(const char* query) {
    return WebRun::Returned(QueryReturned, Lab::SettingsQuery(Given(query)));
}

const char* tess_describe_settings(const char* query) {
    return WebRun::Returned(DescriptionReturned, Lab::DescribeSettings(Given(query)));
}

const char* tess_page_with_settings(const char* page, const char* query) {
    const auto written = Lab::PageWithSettings(page ? page : "", Given(query));
    return WebRun::Returned(PageReturned, written.value_or(std::string()));
}

const char* tess_ini_lines(const char* query) {
    return WebRun::Returned(IniReturned, Lab::IniLines(Given(query)));
}

const char* tess_scorm_manifest() {
    return WebRun::Returned(ManifestReturned, Lab::ScormManifest());
}

int tess_set_asked_droplets(int droplets) {
    return Session().SetAskedDroplets(droplets);
}

const char* tess_lesson_progress_json() {
    const std::vector<Data::NotebookRow>& rows = Session().Rows();
    const Lab::LessonProgress progress = Lab::ProgressOf(rows, Session().AskedDroplets());
    std::vector<Data::NotebookRow> worked = rows;
    Data::RecomputeNotebook(worked, true);
    const Data::ChargeEstimate estimate = Data::NotebookEstimate(worked);
    JsonWriter json;
    json.BeginObject().Key("asked").Number(progress.Asked).Key("timed").Number(progress.Timed);
    json.Key("score").Number(progress.Score).Key("completed").Bool(progress.Completed);
    json.Key("sentence").String(Lab::ProgressSentence(progress));
    // The charges and the estimate as the notebook shows them, units of 1e-19 C, to 3 decimals.
    json.Key("charges").BeginArray();
    for (const double charge : Data::NotebookCharges(worked))
        json.String(Data::FormatFixed(charge, 0, 3, '.'));
    json.EndArray().Key("estimate");
    if (estimate.used > 0)
        json.String(Data::FormatFixed(estimate.value / 1e-19, 0, 4, '.'));
    else
        json.Null();
    json.EndObject();
    return WebRun::Returned(ProgressReturned, json.Text());
}

} // extern "C"
