#pragma once

#include "core/controls.h"

#include <QStringList>

// The settings panel beside the character.
struct SetteiModel : PanelModel {
    QStringList Combo1; // automatic fetch: entry = autoFetchMode
    QStringList Combo3; // the character list, index order
};
