#pragma once

#include "look.h"

#include <array>

// The twelve characters in catalogue order.
[[nodiscard]] const std::array<Look, 12>& cast();
