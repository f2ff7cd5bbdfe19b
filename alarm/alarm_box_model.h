#pragma once

#include "core/controls.h"

// The alarm panel beside the character.
struct AlarmBoxModel : PanelModel {};
