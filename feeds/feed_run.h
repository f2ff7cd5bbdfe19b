#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct Mascot;

// One update of all registered feeds in flight. The downloads run side by
// side while the mascot goes on; when the last has answered, the documents
// are read into the store in slot order, exactly as one feed after the
// other would leave it.
struct FeedRun {
    struct Download {
        QString url;
        std::optional<QByteArray> document; // set when the download succeeded
        bool answered = false;
    };
    std::vector<Download> downloads;
    int waiting = 0;
    bool starting = true;
    std::function<void(Mascot&)> afterwards;
};

// Returns true while an update is in flight.
[[nodiscard]] bool feedRunInFlight(const Mascot& m);

// Starts downloading every feed whose name is not empty, slots 1 to 10.
// When all have answered (at once when there are none), each successful
// document goes through RssKoushin in slot order, then `afterwards` runs.
// A failed download leaves the store and lastFetchText as they were.
// REQUIRES: !feedRunInFlight(m).
void startFeedRun(Mascot& m, std::function<void(Mascot&)> afterwards);

// For the end of the program: reads the documents of the update in flight
// that have arrived into the store, in slot order, and drops the run without
// its `afterwards` step. Downloads still under way are given up. Does
// nothing when no update is in flight.
void settleFeedRun(Mascot& m);
