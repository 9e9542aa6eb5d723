#include "app/FontConfigurationLoader.h"

#include <fontconfig/fontconfig.h>

namespace zeb::app {

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() {
    thread_.join();
}

} // namespace zeb::app
