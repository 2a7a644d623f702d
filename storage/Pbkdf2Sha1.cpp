#include "storage/Pbkdf2Sha1.h"

// OpenSSL 3 marks the SHA-1 context functions deprecated in favour of its EVP
// interface, but an EVP context copy allocates and wipes memory on every call,
// and PBKDF2 copies two contexts in each of its 64 000 rounds: through EVP the
// key took twice as long. These functions run the same SHA-1 code, and a copy
// of their context is a plain struct copy.
#define OPENSSL_API_COMPAT 0x10100000L
#include <openssl/sha.h>

#include <algorithm>
#include <array>
#include <future>
#include <stdexcept>

namespace {

constexpr std::size_t kDigestBytes = SHA_DIGEST_LENGTH;
constexpr std::size_t kHashBlockBytes = SHA_CBLOCK;
constexpr unsigned char kInnerPad = 0x36;
constexpr unsigned char kOuterPad = 0x5c;

using Digest = std::array<unsigned char, kDigestBytes>;

// HMAC-SHA1 keyed once: the password's inner and outer pads are hashed into two
// states that every message then continues from, which halves the hashing of a
// round.
class KeyedHmacSha1 {
public:
    explicit KeyedHmacSha1(std::span<const unsigned char> password)
    {
        std::array<unsigned char, kHashBlockBytes> key{};
        if (password.size() > kHashBlockBytes) {
            SHA1(password.data(), password.size(), key.data());
        } else {
            std::copy(password.begin(), password.end(), key.begin());
        }
        inner_ = startPadded(key, kInnerPad);
        outer_ = startPadded(key, kOuterPad);
    }

    // HMAC of the concatenated parts.
    Digest sign(std::initializer_list<std::span<const unsigned char>> parts) const
    {
        Digest innerDigest;
        SHA_CTX work = inner_;
        for (const auto part : parts) {
            SHA1_Update(&work, part.data(), part.size());
        }
        SHA1_Final(innerDigest.data(), &work);

        Digest result;
        work = outer_;
        SHA1_Update(&work, innerDigest.data(), innerDigest.size());
        SHA1_Final(result.data(), &work);
        return result;
    }

private:
    static SHA_CTX startPadded(const std::array<unsigned char, kHashBlockBytes>& key, unsigned char pad)
    {
        std::array<unsigned char, kHashBlockBytes> padded;
        std::transform(key.begin(), key.end(), padded.begin(), [pad](unsigned char byte) { return byte ^ pad; });
        SHA_CTX context;
        SHA1_Init(&context);
        SHA1_Update(&context, padded.data(), padded.size());
        return context;
    }

    SHA_CTX inner_;
    SHA_CTX outer_;
};

// Block `index` (from 1) of the output: U1 = HMAC(salt || index), Un =
// HMAC(Un-1), all XORed.
Digest deriveBlock(std::span<const unsigned char> password, std::span<const unsigned char> salt, int rounds,
                   std::uint32_t index)
{
    KeyedHmacSha1 hmac(password);
    const std::array<unsigned char, 4> bigEndianIndex{static_cast<unsigned char>(index >> 24),
                                                      static_cast<unsigned char>(index >> 16),
                                                      static_cast<unsigned char>(index >> 8),
                                                      static_cast<unsigned char>(index)};
    Digest u = hmac.sign({salt, bigEndianIndex});
    Digest block = u;
    for (int round = 2; round <= rounds; ++round) {
        u = hmac.sign({u});
        std::transform(block.begin(), block.end(), u.begin(), block.begin(), std::bit_xor<>());
    }
    return block;
}

}  // namespace

std::vector<unsigned char> pbkdf2HmacSha1(std::span<const unsigned char> password, std::span<const unsigned char> salt,
                                          int rounds, std::size_t length, unsigned threads)
{
    if (rounds < 1) {
        throw std::invalid_argument("pbkdf2HmacSha1: at least one round");
    }
    const std::size_t blockCount = (length + kDigestBytes - 1) / kDigestBytes;
    const std::size_t workers = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(blockCount, 1));
    std::vector<Digest> blocks(blockCount);
    // Worker w works out blocks w + 1, w + 1 + workers, ...; worker 0 is this
    // thread.
    const auto deriveShare = [&](std::size_t worker) {
        for (std::size_t block = worker; block < blockCount; block += workers) {
            blocks[block] = deriveBlock(password, salt, rounds, static_cast<std::uint32_t>(block + 1));
        }
    };
    std::vector<std::future<void>> others;
    for (std::size_t worker = 1; worker < workers; ++worker) {
        others.push_back(std::async(std::launch::async, deriveShare, worker));
    }
    deriveShare(0);
    for (auto& other : others) {
        other.get();
    }
    std::vector<unsigned char> key;
    key.reserve(blockCount * kDigestBytes);
    for (const Digest& block : blocks) {
        key.insert(key.end(), block.begin(), block.end());
    }
    key.resize(length);
    return key;
}
