#pragma once
// The few choices of the results window that a user makes once and expects
// to find again in the next run and the next session: whether the picture
// fills the window, whether the wall's chart carries its exact profile.
class QCheckBox;
class QString;

namespace calorix {

// Starts `box` from the choice remembered under `key` (unticked when there
// is none) and remembers every change made to it.
void Remember_Check_Box(QCheckBox* box, const QString& key);

}  // namespace calorix
