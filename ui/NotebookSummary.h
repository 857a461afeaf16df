#pragma once
// What the notebook's charges add up to: the charges themselves and the estimate of the
// elementary charge, with the sentence that states it in the catalogue's language.

#include "model/Analysis.h"
#include "model/Notebook.h"

#include <QString>
#include <vector>

namespace NotebookSummary {

/// The accepted elementary charge the estimate is compared with, C.
constexpr double AcceptedCharge = 1.602e-19;

/// The worked-out charges of the rows, in units of 1e-19 C.
std::vector<double> Charges(const std::vector<Data::NotebookRow>& rows);

/// The estimate of e from the rows' charges.
Data::ChargeEstimate Estimate(const std::vector<Data::NotebookRow>& rows);

/// "e = 1.594 ± 0.012 × 10⁻¹⁹ C from 18 charges, −0.5 % from the accepted …", or the sentence
/// that there is not enough data.
QString EstimateSentence(const Data::ChargeEstimate& estimate);

} // namespace NotebookSummary
