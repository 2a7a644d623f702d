#include "app/FontConfigWarmUp.h"

#ifdef QUORBIT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

std::thread startLoading()
{
#ifdef QUORBIT_HAS_FONTCONFIG
    return std::thread([] { FcInit(); });
#else
    return {};
#endif
}

}  // namespace

FontConfigWarmUp::FontConfigWarmUp() : loader_(startLoading()) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    if (loader_.joinable()) {
        loader_.join();
    }
}
