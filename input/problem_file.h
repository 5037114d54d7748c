#pragma once
// The problem file (*.clx): everything typed on the four tabs of the input
// window, one value per line in the sequential write convention (CR LF line
// ends, no header, no strings).  A complete file has 115 values:
//   1          the selected tab
//   6/7/10/11  the parameters of tabs 0, 1, 2, 3 (grid size, heat generation,
//              conductivity, temperature twice, nodes in x, [nodes in y],
//              [diffusivity, time step, number of steps, scheme 0/1])
//   16         the boundary-condition choice of every side control
//   64         T, q, h, T_infinity of every side control
#include <cstddef>
#include <string>

#include "common/problem_definition.h"

namespace calorix {

// Writes the numeric value of every box (an empty or non-numeric box as 0).
// False when the file cannot be created or written.
bool Save_File(const std::string& path, const Input_Form_State& state);

// A complete file is 115 values, the longest of which the program writes in
// 22 characters ("-1.79769313486231E+308") and a line end.  A file edited by
// hand may carry blanks around its values; 64 bytes a line leave room for
// them, and nothing beyond that can belong to a problem file.
constexpr std::size_t Max_Problem_File_Bytes = 115 * 64;

// Reads a problem file back into the state, in file order, rewriting each
// tab's boxes with the display text of the values read.  Only a regular file
// is read, and only as much of it as a problem file can hold (a few kB), so a
// FIFO, a device or a huge file named by mistake is refused at once.  False,
// never an exception, when the file cannot be opened or read, a field is not
// a number or the file ends early; what was restored up to that point stays
// in the state.  When fields is given, the
// parameter fields of the problem definition receive the values read, as the
// reading does on the window (the last tab that carries a field wins).
bool Open_File(const std::string& path, Input_Form_State& state,
               Problem_Definition* fields = nullptr);

}  // namespace calorix
