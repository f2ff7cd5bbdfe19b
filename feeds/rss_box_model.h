#pragma once

#include "core/controls.h"

// The feed panel beside the character.
struct RssBoxModel : PanelModel {};
