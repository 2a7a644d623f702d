#include "app/controls/JpegEnd.h"

namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStuffedZero = 0x00;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kFirstRestart = 0xD0;
constexpr unsigned char kLastRestart = 0xD7;
constexpr unsigned char kTemporary = 0x01;
constexpr qsizetype kLengthBytes = 2;

bool isRestart(unsigned char marker) { return marker >= kFirstRestart && marker <= kLastRestart; }

class Walk {
public:
    explicit Walk(const QByteArray& bytes) : bytes_(bytes) {}

    bool isJpeg() const { return at(0) == kMarker && at(1) == kStartOfImage; }

    // Steps from marker to marker; true on reaching the end marker, false
    // when the bytes run out (or hold no marker where one must be) first.
    bool reachesEnd()
    {
        position_ = kLengthBytes;
        while (at(position_) == kMarker) {
            while (at(position_) == kMarker) {
                ++position_;  // fill bytes before a marker
            }
            const unsigned char marker = at(position_++);
            if (marker == kEndOfImage) {
                return true;
            }
            if (isRestart(marker) || marker == kTemporary) {
                continue;  // markers without a segment
            }
            const qsizetype length = at(position_) << 8 | at(position_ + 1);
            if (length < kLengthBytes) {
                return false;
            }
            position_ += length;
            if (marker == kStartOfScan) {
                skipScan();
            }
        }
        return false;
    }

private:
    // A byte of the file; past its end, a zero, which no marker is.
    unsigned char at(qsizetype i) const { return i < bytes_.size() ? static_cast<unsigned char>(bytes_[i]) : 0; }

    // The coded data of a scan runs on to the next marker that is neither a
    // stuffed zero nor a restart.
    void skipScan()
    {
        while (position_ < bytes_.size() &&
               !(at(position_) == kMarker && at(position_ + 1) != kStuffedZero && !isRestart(at(position_ + 1)))) {
            ++position_;
        }
    }

    const QByteArray& bytes_;
    qsizetype position_ = 0;
};

}  // namespace

bool jpegIsWhole(const QByteArray& bytes)
{
    Walk walk(bytes);
    return !walk.isJpeg() || walk.reachesEnd();
}
