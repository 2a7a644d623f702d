#include "app/FontConfigWarmUp.h"

#ifdef QUORBIT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigWarmUp::FontConfigWarmUp()
{
#ifdef QUORBIT_HAS_FONTCONFIG
    loader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    if (loader_.joinable()) {
        loader_.join();
    }
}
