#pragma once

namespace zeb::ui {

// A text drawn beforehand, when the program is built, as the coverage of
// each pixel (0 to 255, rows from the top), once for one and once for two
// device pixels per pixel.
struct DrawnText {
    struct Drawing {
        int width;
        int height;
        const unsigned char* coverage;
    };
    Drawing single;
    Drawing twice;
};

} // namespace zeb::ui
