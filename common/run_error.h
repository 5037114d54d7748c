#pragma once
// A failure inside a run: an allocation that cannot be made, a counter or a
// conversion that leaves its range, an index outside a store, or floating-point
// overflow.  Everything between the start of a kind's branch of the run and the
// end of the run unwinds to the run driver, which reports a single message.
#include <cfenv>
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

// Keeps the floating-point flags of a run away from code that runs while the
// run waits for the user: a question box runs the event loop, and painting,
// styles and timers there may raise the invalid or overflow flag of their
// own.  On creation the environment is saved and the flags cleared; on
// destruction the saved environment comes back, so that Check_Float_Faults
// after the answer sees only what the run's own arithmetic raised.
class Float_Flags_Set_Aside {
  public:
    Float_Flags_Set_Aside();
    ~Float_Flags_Set_Aside();
    Float_Flags_Set_Aside(const Float_Flags_Set_Aside&) = delete;
    Float_Flags_Set_Aside& operator=(const Float_Flags_Set_Aside&) = delete;

  private:
    std::fenv_t saved_;
};

}  // namespace calorix
