#pragma once

#include "faces/FaceCache.h"

// Runs the work on as many helper threads as asked for, but no more than the processor has cores
// beyond the caller's and coresTaken, side by side with the caller.
TSideBySide OnSpareCores(unsigned coresTaken = 0);
