#pragma once
#include <span>
#include <string_view>

namespace zeb {

// One stop of the illustrated guide: a picture of one of ZEB's windows (a
// file of the help's images folder), a title and a caption.
struct GuidePage {
    std::string_view picture;
    std::string_view title;
    std::string_view caption;
};

// The guide's tour of ZEB, page by page, with Back and Next.
class GuideTour {
  public:
    static std::span<const GuidePage> pages();

    int size() const { return static_cast<int>(pages().size()); }
    int index() const { return index_; }
    const GuidePage& page() const { return pages()[static_cast<std::size_t>(index_)]; }

    bool canGoBack() const { return index_ > 0; }
    bool canGoForward() const { return index_ + 1 < size(); }
    void next();
    void back();
    void first() { index_ = 0; }
    void last() { index_ = size() - 1; }

  private:
    int index_ = 0;
};

} // namespace zeb
