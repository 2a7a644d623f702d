#include "app/FontConfigWarmUp.h"

#ifdef QUORBIT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

std::jthread startLoading()
{
#ifdef QUORBIT_HAS_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

}  // namespace

FontConfigWarmUp::FontConfigWarmUp() : loader_(startLoading()) {}
