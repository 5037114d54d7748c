#pragma once
// A failure inside a run: an allocation that cannot be made, a counter or a
// conversion that leaves its range, an index outside a store, or floating-point
// overflow.  Everything between the start of a kind's branch of the run and the
// end of the run unwinds to the run driver, which reports a single message.
#include <stdexcept>
#include <string>

namespace calorix {

class Run_Error : public std::runtime_error {
  public:
    explicit Run_Error(const std::string& what) : std::runtime_error(what) {}
};

// The one message shown for every failure of a run.
inline constexpr const char* Memory_Message =
    "There is not enough memory for the number of grids chosen...!!!";

// Clears the floating-point exception flags; call before a computation whose
// overflow must be detected.
void Clear_Float_Faults();

// Throws Run_Error when an overflow, a division by zero or an invalid operation
// has happened since the flags were last cleared.
void Check_Float_Faults();

}  // namespace calorix
