#include "guide/GuideTour.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

using zeb::GuidePage;
using zeb::GuideTour;

namespace fs = std::filesystem;

TEST(GuideTour, ShowsEveryPictureOfTheHelpOnceWithATitleAndACaption) {
    std::set<std::string> inTour;
    for (const GuidePage& page : GuideTour::pages()) {
        SCOPED_TRACE(std::string(page.picture));
        EXPECT_TRUE(fs::exists(fs::path(ZEB_HELP_IMAGES) / page.picture));
        EXPECT_TRUE(inTour.insert(std::string(page.picture)).second) << "shown twice";
        EXPECT_FALSE(page.title.empty());
        EXPECT_GT(page.caption.size(), 40u) << "a caption says what the picture shows";
    }
    // A new picture in the help gets its page in the guide.
    for (const auto& file : fs::directory_iterator(ZEB_HELP_IMAGES)) {
        if (file.path().extension() != ".png") continue;
        EXPECT_TRUE(inTour.count(file.path().filename().string()))
            << file.path().filename() << " has no page in the guide";
    }
}
