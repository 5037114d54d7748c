#pragma once
// What the benchmarks need to run the program's parts as a user's run does:
// dialogs that answer every question with Yes, a solver call that starts
// from clear floating-point flags, and the process's memory figures.
#include <fstream>
#include <string>

#include "common/problem_definition.h"
#include "common/run_error.h"
#include "common/user_dialogs.h"
#include "solvers/result_stores.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"

namespace calorix::bench {

class Silent_Dialogs : public User_Dialogs {
  public:
    void Show_Message(const std::string&) override {}
    bool Ask_Yes_No(const std::string&, bool) override { return true; }
};

// The run driver clears the floating-point flags before a solver runs: flags
// left by earlier work (Qt painting in another benchmark) are not this run's
// overflow.
inline void Solve_Transient_As_Run(int kind, Problem_Definition& p, Result_Stores& stores,
                                   User_Dialogs& dialogs) {
    Clear_Float_Faults();
    if (kind == Kind_Transient_1D) {
        Solve_Transient_1D(p, stores, dialogs);
    } else {
        Solve_Transient_2D(p, stores, dialogs);
    }
}

// Kilobytes of one line of /proc/self/status, such as "VmRSS:" or "VmHWM:".
inline double Status_Kb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stod(line.substr(key.size()));
        }
    }
    return 0;
}

// Sets the kernel's high-water mark of this process to its resident size, so
// that the peak of what follows can be read from "VmHWM:".
inline void Reset_Peak_Resident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace calorix::bench
