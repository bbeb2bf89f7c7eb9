#pragma once
// The start-up of the program's window: the window with every control, its
// creation handler, then the resize handling, which until then could not reach
// the views.
#include "ufp.h"

#include <memory>

namespace armo {

// Creates FP from its description and runs FormCreate; an error that leaves
// the creation handler is reported and skips the rest of it, and the window
// is made all the same. The window is not shown yet.
std::unique_ptr<TFP> CreerFP();

} // namespace armo
