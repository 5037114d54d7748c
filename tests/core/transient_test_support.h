#pragma once
// Shared by the transient solver suites: a scripted stand-in for the message
// boxes and the store dimensioning the run driver does before a solve.
#include "common/number_text.h"
#include "input/problem_definition.h"
#include "input/run_driver.h"
#include "solvers/result_stores.h"
#include "test_dialogs.h"

namespace transient_test {
namespace {

using Scripted_Dialogs = calorix::fakes::Scripted_Dialogs;

// The 1-D transient store as the run driver dimensions it.
inline void Dimension_1D(calorix::Result_Stores& stores, const calorix::Problem_Definition& p) {
    calorix::Dimension_Transient_1D(p, stores);
}

// The 2-D transient store as the run driver dimensions it.
inline void Dimension_2D(calorix::Result_Stores& stores, const calorix::Problem_Definition& p) {
    calorix::Dimension_Transient_2D(p, stores);
}

}  // namespace
}  // namespace transient_test
