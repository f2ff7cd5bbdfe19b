#include "feeds/rss_update.h"

#include "core/mascot.h"

void RssZenKoushin(Mascot& m) {
    // The downloads arrive with the feed reader; the schedule restarts now.
    m.st.fetchMinutes = 0;
}
