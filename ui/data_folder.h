#pragma once

#include <QString>

#include <optional>

// Where the mascot keeps its memory when started from the desktop rather than
// from a folder of the user's choosing: "sanpo" under the user's data home.

// The data folder for these environment values: `xdgDataHome` when it is an
// absolute path (a relative one is ignored, as the XDG base directory rules
// ask), else `home`/.local/share. Nothing when neither gives an absolute path.
[[nodiscard]] std::optional<QString> dataFolderPath(const QString& xdgDataHome,
                                                    const QString& home);

// Creates `path` and its parents when missing and makes it the working
// directory. Returns why that failed, or nothing when it worked.
[[nodiscard]] std::optional<QString> enterFolder(const QString& path);

// Makes the data folder for this process's environment the working
// directory. Returns one sentence for the user when it cannot.
[[nodiscard]] std::optional<QString> enterDataFolder();
