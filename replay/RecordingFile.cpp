#include "replay/RecordingFile.h"

#include <QtEndian>

namespace replay {

namespace {

constexpr QByteArrayView kMagic = "QBRC";
constexpr std::uint8_t kFormatVersion = 1;
constexpr qsizetype kGeneratorStateBytes = 8;
// The shortest step is a one-byte time and its input; a step count that the
// rest of the file cannot hold at this size is refused before anything is
// set aside for the steps.
constexpr qsizetype kShortestStepBytes = 2;
// Numbers stop at 63 bits, which take ten bytes of seven bits each.
constexpr int kLongestNumberBytes = 10;
constexpr int kBitsPerNumberByte = 7;
constexpr std::uint8_t kMoreFollows = 0x80;
constexpr std::uint8_t kNumberBits = 0x7f;

QString truncated() { return QStringLiteral("the file is truncated"); }

void appendNumber(QByteArray& bytes, std::uint64_t value)
{
    while (value > kNumberBits) {
        bytes.append(char((value & kNumberBits) | kMoreFollows));
        value >>= kBitsPerNumberByte;
    }
    bytes.append(char(value));
}

// Reads a file front to back. A read that fails says why in error() and
// returns nothing, and the reader is not used again.
class Reader {
public:
    Reader(QByteArrayView bytes, qsizetype from) : bytes_(bytes), at_(from) {}

    qsizetype remaining() const { return bytes_.size() - at_; }
    const QString& error() const { return error_; }

    std::optional<std::uint8_t> byte()
    {
        if (remaining() < 1) {
            error_ = truncated();
            return std::nullopt;
        }
        return std::uint8_t(bytes_[at_++]);
    }

    std::optional<std::uint64_t> littleEndian64()
    {
        if (remaining() < kGeneratorStateBytes) {
            error_ = truncated();
            return std::nullopt;
        }
        const auto value = qFromLittleEndian<std::uint64_t>(bytes_.data() + at_);
        at_ += kGeneratorStateBytes;
        return value;
    }

    std::optional<std::uint64_t> number()
    {
        const qsizetype start = at_;
        std::uint64_t value = 0;
        for (int i = 0; i < kLongestNumberBytes; ++i) {
            const std::optional<std::uint8_t> next = byte();
            if (!next) {
                return std::nullopt;
            }
            const std::uint64_t bits = *next & kNumberBits;
            // The tenth byte holds bit 63 and above, where no number reaches.
            if (i == kLongestNumberBytes - 1 && bits != 0) {
                error_ = QStringLiteral("the number at offset %1 is too large").arg(start);
                return std::nullopt;
            }
            value |= bits << (kBitsPerNumberByte * i);
            if ((*next & kMoreFollows) == 0) {
                return value;
            }
        }
        error_ = QStringLiteral("the number at offset %1 is longer than ten bytes").arg(start);
        return std::nullopt;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_;
    QString error_;
};

Decoded refuse(QString error) { return {std::nullopt, std::move(error)}; }

}  // namespace

QByteArray encode(const Recording& recording)
{
    if (!problemWith(recording).isEmpty()) {
        return {};
    }
    QByteArray bytes;
    bytes.append(kMagic);
    bytes.append(char(kFormatVersion));
    char state[kGeneratorStateBytes];
    qToLittleEndian(recording.generatorState, state);
    bytes.append(state, kGeneratorStateBytes);
    appendNumber(bytes, recording.steps.size());
    std::int64_t lastAtMs = 0;
    for (const Step& step : recording.steps) {
        appendNumber(bytes, std::uint64_t(step.atMs - lastAtMs));
        bytes.append(char(step.input));
        if (takesCell(step.input)) {
            appendNumber(bytes, std::uint64_t(step.cell));
        }
        lastAtMs = step.atMs;
        if (bytes.size() > kMaxFileBytes) {
            return {};
        }
    }
    return bytes;
}

Decoded decode(QByteArrayView bytes)
{
    if (bytes.size() > kMaxFileBytes) {
        return refuse(QStringLiteral("it is larger than %1 KiB").arg(kMaxFileBytes / 1024));
    }
    if (!bytes.startsWith(kMagic)) {
        // Too short to hold the whole mark, it may still be the start of one.
        return refuse(kMagic.startsWith(bytes) ? truncated() : QStringLiteral("it is not a Quorbit recording"));
    }
    Reader in(bytes, kMagic.size());
    const std::optional<std::uint8_t> version = in.byte();
    if (!version) {
        return refuse(in.error());
    }
    if (*version != kFormatVersion) {
        return refuse(QStringLiteral("it was written by a newer Quorbit (format %1)").arg(*version));
    }
    const std::optional<std::uint64_t> state = in.littleEndian64();
    const std::optional<std::uint64_t> count = state ? in.number() : std::nullopt;
    if (!count) {
        return refuse(in.error());
    }
    if (*count == 0) {
        return refuse(QStringLiteral("it holds no steps"));
    }
    const qsizetype room = in.remaining() / kShortestStepBytes;
    if (*count > std::uint64_t(room)) {
        return refuse(
            truncated() +
            QStringLiteral(": it counts %1 steps, and the rest of it has room for %2 at most").arg(*count).arg(room));
    }

    const auto stepCount = qsizetype(*count);
    Recording recording;
    recording.generatorState = *state;
    recording.steps.reserve(std::size_t(stepCount));
    StepRules rules(stepCount);
    std::int64_t atMs = 0;
    for (qsizetype index = 0; index < stepCount; ++index) {
        const std::optional<std::uint64_t> delta = in.number();
        if (!delta) {
            return refuse(in.error());
        }
        // The rules stop a game at a day, before the sum can overflow; any
        // time past that is refused alike.
        atMs = *delta > std::uint64_t(kLongestGameMs - atMs) ? kLongestGameMs + 1 : atMs + std::int64_t(*delta);
        const std::optional<std::uint8_t> input = in.byte();
        if (!input) {
            return refuse(in.error());
        }
        std::int64_t cell = -1;
        if (takesCell(Input(*input))) {
            const std::optional<std::uint64_t> number = in.number();
            if (!number) {
                return refuse(in.error());
            }
            cell = std::int64_t(*number);  // numbers stop at 63 bits
        }
        QString problem = rules.next(atMs, Input(*input), cell);
        if (!problem.isEmpty()) {
            return refuse(std::move(problem));
        }
        recording.steps.push_back({atMs, Input(*input), std::int16_t(cell)});
    }
    if (in.remaining() > 0) {
        return refuse(QStringLiteral("trailing bytes after the game's end"));
    }
    return {std::move(recording), {}};
}

}  // namespace replay
