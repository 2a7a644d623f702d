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

// HMAC-SHA1 keyed once: the password's inner and outer pads are hashed into two states that
// every message then continues from, which halves the hashing of a round.
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

// Block `index` (from 1) of the output: U1 = HMAC(salt || index), Un = HMAC(Un-1), all XORed.
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
    // Worker w works out blocks w + 1, w + 1 + workers, ...; worker 0 is this thread.
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
