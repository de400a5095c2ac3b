#pragma once

namespace troven {

// Gives the program's line edits (the name prompt's) an accessible interface of its own, from the
// first one made on. Qt 6.4's reports the text attributes of each offset as an empty run, which
// Orca 43 joins into a range one character short of the text: it read "Player_00 selected." for
// the name "Player_001" offered. This one reports one run over the whole text and otherwise
// answers as Qt's does for a field that shows what is typed.
void installLineEditAccessible();

}  // namespace troven
