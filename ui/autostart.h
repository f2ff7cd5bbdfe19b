#pragma once

#include <QString>

// The desktop's autostart entry that starts the mascot at login, with its
// data in the user's data folder. Whether it is on is always read from the
// file, so an entry removed or disabled by hand shows as off.
class Autostart {
public:
    // `entryPath`: the entry's file. `program`: what its Exec line starts.
    Autostart(QString entryPath, QString program);

    // The entry in $XDG_CONFIG_HOME/autostart, starting this very binary
    // (by name when it is the one found on PATH).
    [[nodiscard]] static Autostart forThisProgram();

    // Returns whether the entry exists and is not disabled.
    [[nodiscard]] bool enabled() const;

    // Writes or removes the entry. Returns enabled() afterwards: a failure
    // leaves the state the file shows.
    bool setEnabled(bool on);

    // Returns the text of an entry that starts `program` with its data folder.
    [[nodiscard]] static QString entryText(const QString& program);

    [[nodiscard]] const QString& path() const { return path_; }

private:
    QString path_;
    QString program_;
};
