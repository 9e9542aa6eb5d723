#include "ui/CentreFormPosition.h"

#include <cmath>

namespace zeb::ui {

FormPosition centreFormPosition(int screenWidth, int screenHeight, int formWidth, int formHeight,
                                int vertical, int horizontal) {
    const int freeWidth = static_cast<int>(std::nearbyint((screenWidth - formWidth) / 10.0));
    const int freeHeight = static_cast<int>(std::nearbyint((screenHeight - formHeight) / 10.0));
    if (vertical > 10)
        vertical = 10;
    else if (vertical < 0)
        vertical = 0;
    else if (horizontal > 10)
        horizontal = 10;
    else if (horizontal < 1)
        horizontal = 0;
    return {freeWidth * horizontal, freeHeight * vertical};
}

} // namespace zeb::ui
