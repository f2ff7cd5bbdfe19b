#include "core/article_ref.h"

namespace {

bool isAt(const MascotState& st, int i, const ArticleRef& ref) {
    return st.articleTitle[i] == ref.title && st.articleLink[i] == ref.link &&
           st.articleFeedUrl[i] == ref.feedUrl;
}

} // namespace

ArticleRef articleRef(const MascotState& st, int index) {
    return {index, st.articleTitle[index], st.articleLink[index], st.articleFeedUrl[index]};
}

std::optional<int> findArticle(const MascotState& st, const ArticleRef& ref) {
    if (ref.title.isEmpty() || ref.index < 1 || ref.index > kArticleSlots) {
        return std::nullopt;
    }
    for (int i = ref.index; i <= kArticleSlots; ++i) {
        if (isAt(st, i, ref)) {
            return i;
        }
    }
    for (int i = ref.index - 1; i >= 1; --i) {
        if (isAt(st, i, ref)) {
            return i;
        }
    }
    return std::nullopt;
}
