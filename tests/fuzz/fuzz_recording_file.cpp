// Hostile bytes against the recording file's reader. One source, two
// programs: built with QUORBIT_LIBFUZZER it is libFuzzer's target, which
// brings its own main(); built without, it is a plain program that every
// build's tests run, which reads the files named on its command line or, with
// --mutate, decodes mutations of seed files made from a fixed random seed.
#include "replay/RecordingFile.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

// A finding stops the run with the bytes that made it, so that it cannot
// pass for a refusal and can be replayed.
[[noreturn]] void broken(const char* what, QByteArrayView bytes)
{
    std::fprintf(stderr, "fuzz_recording_file: %s\n  %lld bytes: %s\n", what, static_cast<long long>(bytes.size()),
                 bytes.toByteArray().toHex().constData());
    std::abort();
}

// What holds for any bytes at all: they are read or refused, never both; a
// refusal says why in a player's sentence; what is read keeps the rules, and
// writes back to a file no longer than the bytes it came from that reads back
// the same.
replay::Decoded check(QByteArrayView bytes)
{
    replay::Decoded decoded = replay::decode(bytes);
    if (decoded.recording.has_value() == !decoded.error.isEmpty()) {
        broken("read and refused at once, or neither", bytes);
    }
    if (!decoded.recording) {
        if (!decoded.error.front().isLower() || decoded.error.endsWith(QLatin1Char('.'))) {
            broken("refused in words that are no player's sentence", bytes);
        }
        return decoded;
    }
    if (!replay::problemWith(*decoded.recording).isEmpty()) {
        broken("read a recording that breaks the rules", bytes);
    }
    const QByteArray again = replay::encode(*decoded.recording);
    if (again.isEmpty() || again.size() > bytes.size()) {
        broken("wrote what it read back longer, or not at all", bytes);
    }
    const replay::Decoded reread = replay::decode(again);
    if (!reread.recording || !(*reread.recording == *decoded.recording)) {
        broken("read back what it wrote differently", bytes);
    }
    return decoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check(QByteArrayView(data, qsizetype(size)));
    return 0;
}

#ifndef QUORBIT_LIBFUZZER

namespace {

// Where the step count starts: after the mark, the format and the generator
// state. Forged counts are the cheapest way to make a reader over-allocate.
constexpr qsizetype kStepCountOffset = 4 + 1 + 8;

// The same variants on every machine: the standard fixes mt19937_64's
// sequence, and only its raw output is used, never a distribution.
class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : random_(seed) {}

    QByteArray mutated(QByteArray bytes)
    {
        for (qsizetype changes = below(3) + 1; changes > 0; --changes) {
            mutate(bytes);
        }
        return bytes;
    }

private:
    qsizetype below(qsizetype bound) { return bound > 0 ? qsizetype(random_() % std::uint64_t(bound)) : 0; }
    char anyByte() { return char(random_()); }

    void mutate(QByteArray& bytes)
    {
        const qsizetype at = below(bytes.size() + 1);
        switch (below(6)) {
        case 0:  // a flipped bit
            if (at < bytes.size()) {
                bytes[at] = char(bytes[at] ^ (1 << below(8)));
            }
            break;
        case 1:  // a byte replaced
            if (at < bytes.size()) {
                bytes[at] = anyByte();
            }
            break;
        case 2:  // cut short
            bytes.truncate(at);
            break;
        case 3:  // a few bytes let in
            for (qsizetype count = below(4) + 1; count > 0; --count) {
                bytes.insert(at, anyByte());
            }
            break;
        case 4: {  // a stretch written twice
            const qsizetype from = below(bytes.size());
            bytes.insert(at, bytes.mid(from, below(32) + 1));
            break;
        }
        default: {  // a number of nine to twelve bytes, often as the step count
            QByteArray number(below(4) + 8, char(0xff));
            number.append(char(below(0x80)));
            const qsizetype where = below(2) == 0 && bytes.size() >= kStepCountOffset ? kStepCountOffset : at;
            bytes.insert(where, number);
            break;
        }
        }
    }

    std::mt19937_64 random_;
};

QByteArray readFile(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fuzz_recording_file: cannot read %s\n", path);
        std::exit(2);
    }
    return file.readAll();
}

int usage()
{
    std::fprintf(stderr, "usage: fuzz_recording_file_replay FILE...\n"
                         "       fuzz_recording_file_replay --mutate COUNT RANDOM_SEED SEED_FILE...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return usage();
    }
    if (std::strcmp(argv[1], "--mutate") != 0) {
        for (int i = 1; i < argc; ++i) {
            const replay::Decoded decoded = check(readFile(argv[i]));
            std::printf("%s: %s\n", argv[i], decoded.recording ? "read" : qPrintable(decoded.error));
        }
        return 0;
    }

    bool countRead = false;
    bool seedRead = false;
    const qlonglong count = argc > 4 ? QByteArray(argv[2]).toLongLong(&countRead) : 0;
    const qulonglong randomSeed = argc > 4 ? QByteArray(argv[3]).toULongLong(&seedRead) : 0;
    if (!countRead || !seedRead || count < 0) {
        return usage();
    }
    std::vector<QByteArray> seeds;
    for (int i = 4; i < argc; ++i) {
        seeds.push_back(readFile(argv[i]));
        // Mutations of a seed the reader refuses stop at the same early
        // check, and the run would test little.
        if (!check(seeds.back()).recording) {
            std::fprintf(stderr, "fuzz_recording_file: the seed %s is no recording the game reads\n", argv[i]);
            return 1;
        }
    }
    Mutator mutator(randomSeed);
    qlonglong read = 0;
    for (qlonglong i = 0; i < count; ++i) {
        read += check(mutator.mutated(seeds[std::size_t(i) % seeds.size()])).recording ? 1 : 0;
    }
    std::printf("%lld variants of %zu seeds: %lld read, %lld refused\n", static_cast<long long>(count), seeds.size(),
                static_cast<long long>(read), static_cast<long long>(count - read));
    // Variants that are all read back mean the mutator changes nothing.
    return count > 0 && read == count ? 1 : 0;
}

#endif
