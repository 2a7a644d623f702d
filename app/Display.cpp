#include "app/Display.h"

#include <QMessageLogContext>
#include <QString>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kNoDisplayStatus = 1;

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// Qt's X11 platform, by the name QT_QPA_PLATFORM gives it ("xcb", or
// "xcb:option=...").
bool isX11(std::string_view platform) { return platform.substr(0, platform.find(':')) == "xcb"; }

QtMessageHandler qtHandler = nullptr;

// Qt reports a display it cannot open as fatal, and aborts once this returns.
void endWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    reportNoDisplay(stderr);
    std::_Exit(kNoDisplayStatus);
}

}  // namespace

bool displayMissing()
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (!chosen || !*chosen) {
        return !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY");
    }
    // A list is tried in order: only a list of X11 alone is sure to fail.
    std::string_view platforms(chosen);
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        if (!isX11(platforms.substr(0, end))) {
            return false;
        }
        platforms.remove_prefix(end == std::string_view::npos ? platforms.size() : end + 1);
    }
    return !isSet("DISPLAY");
}

void reportNoDisplay(std::FILE* err)
{
    std::fputs("quorbit: no display could be opened; start the game on a desktop (or over ssh -X from one), "
               "or on a virtual display: xvfb-run quorbit\n",
               err);
    std::fflush(err);
}

DisplayOpening::DisplayOpening() { qtHandler = qInstallMessageHandler(endWithoutDisplay); }

DisplayOpening::~DisplayOpening() { qInstallMessageHandler(qtHandler); }
