#include "common/run_error.h"

#include <cfenv>

namespace calorix {

namespace {
constexpr int Fault_Flags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
}

void Clear_Float_Faults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void Check_Float_Faults() {
    if (std::fetestexcept(Fault_Flags) != 0) {
        std::feclearexcept(FE_ALL_EXCEPT);
        throw Run_Error("floating-point overflow or invalid operation");
    }
}

Float_Flags_Set_Aside::Float_Flags_Set_Aside() {
    std::fegetenv(&saved_);
    std::feclearexcept(FE_ALL_EXCEPT);
}

Float_Flags_Set_Aside::~Float_Flags_Set_Aside() {
    std::fesetenv(&saved_);
}

}  // namespace calorix
