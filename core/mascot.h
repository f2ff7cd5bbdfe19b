#pragma once

#include "alarm/alarm_box_model.h"
#include "core/article_ref.h"
#include "core/hiding.h"
#include "core/mascot_state.h"
#include "core/pictures/frame_cache.h"
#include "core/pictures/sprite.h"
#include "core/platform.h"
#include "feeds/rss_box_model.h"
#include "feeds/seen_articles.h"
#include "settings/settei_model.h"
#include "speech/hanasu_box.h"

#include <QDir>
#include <QImage>

#include <memory>
#include <optional>

struct FeedRun;

// The one object that owns the mascot: its state record, the models of the
// controls the shell mirrors, the loaded pictures, the drawn sprite and the
// port to the platform. Procedures are free functions taking a Mascot&.
struct Mascot {
    // REQUIRES: `platform` outlives the Mascot. `workDir` holds the data file,
    // the SOUND folder and the temporary feed file.
    explicit Mascot(Platform& platform, QDir workDir = QDir::current())
        : platform(platform), workDir(std::move(workDir)) {}

    Platform& platform;
    QDir workDir;

    MascotState st;

    HanasuBoxModel HanasuBox;
    SetteiModel Settei;
    RssBoxModel RssBox;
    AlarmBoxModel AlarmBox;

    QImage CharGazo; // body sheet of the current character
    QImage CharEyes; // eye strip of the current character
    Sprite sprite;
    FrameCache frames; // frames of the current pictures drawn lately

    // Run control that is not part of the record above.
    bool stateReady = false;       // the state holds loaded or first-run values: quitting may save
    bool backupBeforeSave = false; // the load found damage: keep a copy before replacing the file
    int introductionStep = 0;      // the introduction's step now waiting for its click
    std::shared_ptr<FeedRun> feedRun; // the feed update in flight, if any (feeds/feed_run.h)
    SeenArticles seenArticles;        // articles that left the store (feeds/seen_articles_file.h)
    std::optional<ArticleRef> spokenArticle; // the headline read aloud last, for its choice
    Hiding hiding;                           // out of sight, and why (core/hiding.h)
};
