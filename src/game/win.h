#pragma once

#include "game/state.h"

// The mark (1 or 2) of the first line in line order that is full of one mark; 0 when none is.
int fullLineMark(const Board& board);
