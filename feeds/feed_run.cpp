#include "feeds/feed_run.h"

#include "core/mascot.h"
#include "feeds/feed_address.h"
#include "feeds/rss_koushin.h"

#include <memory>

namespace {

// Ends the run in flight and reads what it has gathered. The run is over
// before its results are read, so that what follows may start the next one.
std::shared_ptr<FeedRun> applyFeedRun(Mascot& m) {
    std::shared_ptr<FeedRun> run = std::move(m.feedRun);
    m.feedRun.reset();
    for (const FeedRun::Download& d : run->downloads) {
        if (d.document) {
            RssKoushin(m, d.url, *d.document);
        }
    }
    return run;
}

void finishFeedRun(Mascot& m) {
    const std::shared_ptr<FeedRun> run = applyFeedRun(m);
    if (run->afterwards) {
        run->afterwards(m);
    }
}

} // namespace

void settleFeedRun(Mascot& m) {
    if (feedRunInFlight(m)) {
        applyFeedRun(m);
    }
}

bool feedRunInFlight(const Mascot& m) {
    return m.feedRun != nullptr;
}

void startFeedRun(Mascot& m, std::function<void(Mascot&)> afterwards) {
    Q_ASSERT(!feedRunInFlight(m));
    auto run = std::make_shared<FeedRun>();
    run->afterwards = std::move(afterwards);
    for (int i = 1; i <= kFeedSlots; ++i) {
        if (!m.st.feedName[i].isEmpty()) {
            run->downloads.push_back({m.st.feedUrl[i], std::nullopt, false});
        }
    }
    run->waiting = static_cast<int>(run->downloads.size());
    m.feedRun = run;

    const std::weak_ptr<FeedRun> weak = run;
    for (std::size_t k = 0; k < run->downloads.size(); ++k) {
        // The mascot outlives its run: while the run can be locked, `m` is
        // alive. Answers for a run that is gone are dropped.
        // An address stored as pasted ("feed://…", no scheme) is fetched as
        // the http address it stands for; the articles keep the address as
        // registered, which the feed panel matches them by.
        const QString& registered = run->downloads[k].url;
        const QString address = feedAddress(registered).value_or(registered);
        m.platform.fetch(address, [&m, weak, k](const Platform::FetchResult& result) {
            const std::shared_ptr<FeedRun> r = weak.lock();
            if (!r || m.feedRun != r || r->downloads[k].answered) {
                return;
            }
            FeedRun::Download& d = r->downloads[k];
            d.answered = true;
            if (result.ok) {
                d.document = result.body;
            }
            --r->waiting;
            if (r->waiting == 0 && !r->starting) {
                finishFeedRun(m);
            }
        });
    }
    run->starting = false;
    if (run->waiting == 0 && m.feedRun == run) {
        finishFeedRun(m);
    }
}
