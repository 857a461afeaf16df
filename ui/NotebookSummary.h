#pragma once
// What the notebook's charges add up to: the sentence that states the estimate of the elementary
// charge (Data::NotebookEstimate) in the catalogue's language.

#include "model/Analysis.h"

#include <QString>

namespace NotebookSummary {

/// The accepted elementary charge the estimate is compared with, C.
constexpr double AcceptedCharge = 1.602e-19;

/// A percentage with its sign, "+0.4", "−1.2" or "0.0", to `decimals` places.
QString SignedPercent(double percent, int decimals = 1);

/// "e = 1.594 ± 0.012 × 10⁻¹⁹ C from 18 charges, −0.5 % from the accepted …", or the sentence
/// that there is not enough data.
QString EstimateSentence(const Data::ChargeEstimate& estimate);

} // namespace NotebookSummary
