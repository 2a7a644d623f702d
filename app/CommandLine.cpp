#include "app/CommandLine.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace {

// What sysexits and the shells call a usage error.
constexpr int kUsageStatus = 2;

constexpr std::string_view kUsage =
    "Usage: quorbit [--help | --version | --verify | --export-replay N FILE | --watch FILE]\n";

constexpr std::string_view kHelp =
    "Walk a board of arrow tiles from the top-left cell to the door.\n"
    "\n"
    "  --help                  show this text and exit\n"
    "  --version               show the version and exit\n"
    "  --verify                play every recorded hi-score game again, without a window, and say\n"
    "                          for each row of the list whether its score is the one its game makes\n"
    "  --export-replay N FILE  write the recording of row N of the list (1 to 10) to FILE\n"
    "  --watch FILE            play the recorded game in FILE again in the window\n"
    "\n"
    "Every game is recorded; a game that enters the hi-score list is kept with its row.\n"
    "--verify exits 0 when every recorded row matches its game, 1 when one differs.\n"
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

std::optional<int> answerCommandLine(std::span<char* const> arguments, std::FILE* out, std::FILE* err, Command& command)
{
    command = Command{};
    if (arguments.size() <= 1) {
        return std::nullopt;
    }
    const std::string_view option = arguments[1];
    const std::size_t given = arguments.size() - 2;  // the option's own arguments
    if (given == 0 && option == "--help") {
        print(out, kUsage);
        print(out, kHelp);
        return delivered(out, err);
    }
    if (given == 0 && option == "--version") {
        print(out, "quorbit " QUORBIT_VERSION "\n");
        return delivered(out, err);
    }
    if (given == 0 && option == "--verify") {
        command.kind = Command::Kind::Verify;
        return std::nullopt;
    }
    if (given == 1 && option == "--watch") {
        command = {Command::Kind::Watch, 0, QString::fromLocal8Bit(arguments[2])};
        return std::nullopt;
    }
    if (given == 2 && option == "--export-replay") {
        const std::string_view row = arguments[2];
        if (row.size() == 1 && row[0] >= '1' && row[0] <= '9') {
            command = {Command::Kind::ExportReplay, row[0] - '0', QString::fromLocal8Bit(arguments[3])};
            return std::nullopt;
        }
        if (row == "10") {
            command = {Command::Kind::ExportReplay, 10, QString::fromLocal8Bit(arguments[3])};
            return std::nullopt;
        }
        print(err, "quorbit: --export-replay takes a row of the list, 1 to 10, not '");
        print(err, row);
        print(err, "'\n");
        print(err, kUsage);
        return kUsageStatus;
    }
    // The first argument that is no option of the game, or else the first one
    // too many for the option before it.
    const bool known = option == "--help" || option == "--version" || option == "--verify" || option == "--watch" ||
                       option == "--export-replay";
    const std::size_t takes = option == "--watch" ? 1 : option == "--export-replay" ? 2 : 0;
    print(err, "quorbit: ");
    if (known && given < takes) {
        print(err, "the option ");
        print(err, option);
        print(err, " needs ");
        print(err, takes == 1 ? "a file" : "a row and a file");
        print(err, "\n");
    } else {
        print(err, "argument not understood: '");
        print(err, known ? arguments[2 + takes] : option);
        print(err, "'\n");
    }
    print(err, kUsage);
    return kUsageStatus;
}
