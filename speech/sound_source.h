#pragma once

#include <QDir>
#include <QString>

#include <optional>

// Where a sound named `name` ("hanasu.wav", ...) is played from: the user's
// own file in SOUND under the working directory when there is one, else the
// default of that name built into the program. Returns nothing for a name
// that has neither (or that tries to leave the SOUND folder).
[[nodiscard]] std::optional<QString> soundSource(const QDir& workDir, const QString& name);
