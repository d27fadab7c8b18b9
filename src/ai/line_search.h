#pragma once

#include "game/state.h"

#include <optional>

// The empty cell of the first line, in line order, that holds exactly two of `mark` and an empty
// third cell; nothing when no line does. A line already blocked by the other mark is passed over.
std::optional<CellPos> openLine(const Board& board, int mark);
