#include "app/CommandLine.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace {

// What sysexits and the shells call a usage error.
constexpr int kUsageStatus = 2;

constexpr std::string_view kUsage = "Usage: quorbit [--help | --version]\n";

constexpr std::string_view kHelp =
    "Walk a board of arrow tiles from the top-left cell to the door.\n"
    "\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "A copy with a folder images/ beside the program keeps its hi-scores there, in qb.mdb.\n"
    "An installed copy keeps them in $XDG_DATA_HOME/quorbit/qb.mdb\n"
    "(~/.local/share/quorbit/qb.mdb by default). See quorbit(6).\n";

void print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

// An answer that did not reach its reader (a full disk, a closed output) is a
// failure, as the system's own tools count it: said on `err`, status 1.
int delivered(std::FILE* out, std::FILE* err)
{
    errno = 0;
    if (std::fflush(out) == 0 && !std::ferror(out)) {
        return 0;
    }
    const int failed = errno != 0 ? errno : EIO;
    print(err, "quorbit: cannot write to standard output: ");
    print(err, std::generic_category().message(failed));
    print(err, "\n");
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(std::span<char* const> arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.size() <= 1) {
        return std::nullopt;
    }
    const std::string_view option = arguments[1];
    if (arguments.size() == 2 && option == "--help") {
        print(out, kUsage);
        print(out, kHelp);
        return delivered(out, err);
    }
    if (arguments.size() == 2 && option == "--version") {
        print(out, "quorbit " QUORBIT_VERSION "\n");
        return delivered(out, err);
    }
    // The first argument that is no option of the game, or else the second of
    // two: one option is all the game takes.
    const bool known = option == "--help" || option == "--version";
    print(err, "quorbit: argument not understood: '");
    print(err, known ? arguments[2] : option);
    print(err, "'\n");
    print(err, kUsage);
    return kUsageStatus;
}
