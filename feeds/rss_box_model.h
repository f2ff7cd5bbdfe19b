#pragma once

#include "core/article_ref.h"
#include "core/controls.h"

#include <QStringList>

#include <array>

// A drop-down list: its entries and the chosen one (-1 none).
struct ComboBoxModel {
    TwipsRect geometry;
    QStringList items;
    int listIndex = -1;
    bool operator==(const ComboBoxModel&) const = default;
};

inline const QString kLastFetchCaption = QStringLiteral("最終更新日時：");

// The feed panel beside the character: the last-fetch time, the feed
// selector, the articles of the chosen feed and three label buttons.
// Geometry in twips; the panel's own left and top are set when it opens.
struct RssBoxModel : PanelModel {
    RssBoxModel() { geometry = {0, 0, 6135, 4815}; }

    // 0: the caption, 1: the last-fetch time.
    std::array<LabelModel, 2> RssLabel{{
        {QStringLiteral("RSS"), {120, 120, 5895, 255}, true, Qt::transparent},
        {kLastFetchCaption, {120, 360, 5895, 135}, true, Qt::transparent},
    }};
    ComboBoxModel Combo2{{120, 600, 5895, 315}, {}, -1};
    QList<int> feedSlotOfEntry; // the slot (1..10) behind each entry of Combo2
    ListBoxModel List2{{}, {120, 1080, 5895, 3180}, true, -1};
    QList<ArticleRef> articleOfRow; // the article behind each row of List2
    // 0: update all feeds, 1: open the selected article, 2: close.
    std::array<LabelModel, 3> RssLButton{{
        {QStringLiteral("RSS更新"), {120, 4320, 1215, 255}, true, Qt::white},
        {QStringLiteral("記事参照"), {3360, 4320, 1215, 255}, true, Qt::white},
        {QStringLiteral("OK"), {4800, 4320, 1215, 255}, true, Qt::white},
    }};

    bool operator==(const RssBoxModel&) const = default;
};
