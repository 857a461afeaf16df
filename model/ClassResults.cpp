#include "model/ClassResults.h"

#include <cmath>
#include <set>

namespace Data {

namespace {
constexpr double ChargeUnit = 1e-19; ///< C, the notebook's unit of charge

ChargeEstimate EstimateFrom(const std::vector<double>& charges) {
    std::vector<double> coulombs;
    coulombs.reserve(charges.size());
    for (double q : charges)
        coulombs.push_back(q * ChargeUnit);
    return EstimateElementaryCharge(coulombs);
}
} // namespace

std::vector<double> NotebookCharges(const std::vector<NotebookRow>& rows) {
    std::vector<double> charges;
    for (const NotebookRow& row : rows)
        if (row.Charge) charges.push_back(*row.Charge);
    return charges;
}

ChargeEstimate NotebookEstimate(const std::vector<NotebookRow>& rows) {
    return EstimateFrom(NotebookCharges(rows));
}

ClassResults PoolClass(const std::vector<StudentNotebook>& notebooks) {
    ClassResults results;
    for (const StudentNotebook& notebook : notebooks) {
        StudentResult student;
        student.Identifier = notebook.Identifier;
        std::set<int> droplets;
        for (const NotebookRow& row : notebook.Rows)
            if (row.Droplet) droplets.insert(*row.Droplet);
        student.Droplets = static_cast<int>(droplets.size());
        const std::vector<double> charges = NotebookCharges(notebook.Rows);
        student.Charges = static_cast<int>(charges.size());
        student.Estimate = EstimateFrom(charges);
        results.Charges.insert(results.Charges.end(), charges.begin(), charges.end());
        results.Students.push_back(student);
    }
    results.Estimate = EstimateFrom(results.Charges);
    for (StudentResult& student : results.Students) {
        if (student.Estimate.used == 0) {
            student.Mark = StudentMark::TooFewCharges;
            continue;
        }
        if (results.Estimate.used == 0) continue;
        student.Deviation =
            (student.Estimate.value - results.Estimate.value) / results.Estimate.value * 100;
        if (std::fabs(*student.Deviation) > FarFromClassPercent)
            student.Mark = StudentMark::FarFromClass;
    }
    return results;
}

} // namespace Data
