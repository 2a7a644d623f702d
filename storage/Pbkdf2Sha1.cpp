#include "storage/Pbkdf2Sha1.h"

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <future>
#include <memory>
#include <stdexcept>

namespace {

constexpr std::size_t kDigestBytes = 20;  // SHA-1
constexpr std::size_t kHashBlockBytes = 64;
constexpr unsigned char kInnerPad = 0x36;
constexpr unsigned char kOuterPad = 0x5c;

using Digest = std::array<unsigned char, kDigestBytes>;

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

DigestContext newContext()
{
    DigestContext context(EVP_MD_CTX_new());
    if (!context) {
        throw std::bad_alloc();
    }
    return context;
}

void require(int openSslResult)
{
    if (openSslResult != 1) {
        throw std::runtime_error("SHA-1 is not available from OpenSSL");
    }
}

// HMAC-SHA1 keyed once: the password's inner and outer pads are hashed into two
// states that every message then continues from, which halves the hashing of a
// round.
class KeyedHmacSha1 {
public:
    explicit KeyedHmacSha1(std::span<const unsigned char> password)
    {
        std::array<unsigned char, kHashBlockBytes> key{};
        if (password.size() > kHashBlockBytes) {
            unsigned int length = 0;
            require(EVP_Digest(password.data(), password.size(), key.data(), &length, EVP_sha1(), nullptr));
        } else {
            std::copy(password.begin(), password.end(), key.begin());
        }
        startPadded(inner_, key, kInnerPad);
        startPadded(outer_, key, kOuterPad);
    }

    // HMAC of the concatenated parts.
    Digest sign(std::initializer_list<std::span<const unsigned char>> parts)
    {
        Digest innerDigest;
        require(EVP_MD_CTX_copy_ex(work_.get(), inner_.get()));
        for (const auto part : parts) {
            require(EVP_DigestUpdate(work_.get(), part.data(), part.size()));
        }
        require(EVP_DigestFinal_ex(work_.get(), innerDigest.data(), nullptr));

        Digest result;
        require(EVP_MD_CTX_copy_ex(work_.get(), outer_.get()));
        require(EVP_DigestUpdate(work_.get(), innerDigest.data(), innerDigest.size()));
        require(EVP_DigestFinal_ex(work_.get(), result.data(), nullptr));
        return result;
    }

private:
    static void startPadded(DigestContext& context, const std::array<unsigned char, kHashBlockBytes>& key,
                            unsigned char pad)
    {
        std::array<unsigned char, kHashBlockBytes> padded;
        std::transform(key.begin(), key.end(), padded.begin(), [pad](unsigned char byte) { return byte ^ pad; });
        require(EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr));
        require(EVP_DigestUpdate(context.get(), padded.data(), padded.size()));
    }

    DigestContext inner_ = newContext();
    DigestContext outer_ = newContext();
    DigestContext work_ = newContext();
};

// Block `index` (from 1) of the output: U1 = HMAC(salt || index),
// Un = HMAC(Un-1), all XORed.
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
                                          int rounds, std::size_t length)
{
    if (rounds < 1) {
        throw std::invalid_argument("pbkdf2HmacSha1: at least one round");
    }
    const std::size_t blockCount = (length + kDigestBytes - 1) / kDigestBytes;
    // Blocks after the first run on their own threads while this one works out
    // the first.
    std::vector<std::future<Digest>> laterBlocks;
    for (std::size_t index = 2; index <= blockCount; ++index) {
        laterBlocks.push_back(
            std::async(std::launch::async, deriveBlock, password, salt, rounds, static_cast<std::uint32_t>(index)));
    }
    std::vector<unsigned char> key;
    key.reserve(blockCount * kDigestBytes);
    if (blockCount > 0) {
        const Digest first = deriveBlock(password, salt, rounds, 1);
        key.insert(key.end(), first.begin(), first.end());
    }
    for (auto& block : laterBlocks) {
        const Digest later = block.get();
        key.insert(key.end(), later.begin(), later.end());
    }
    key.resize(length);
    return key;
}
