#pragma once
#include "ui/DrawnText.h"

namespace zeb::views {

// The About window's title and version, drawn when ZEB is built
// (zeb-draw-about-pictures writes their definitions).
extern const ui::DrawnText kAboutTitlePicture;
extern const ui::DrawnText kAboutVersionPicture;

} // namespace zeb::views
