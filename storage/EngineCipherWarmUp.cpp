#include "storage/EngineCipherWarmUp.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <array>
#include <memory>

void warmUpEngineCipher()
{
    // Every result is thrown away: a step that fails here fails again, and is
    // reported, when the engine opens the file.
    std::array<unsigned char, 32> key{};
    std::array<unsigned char, 16> iv{};
    std::array<unsigned char, 32> page{};
    RAND_bytes(iv.data(), int(iv.size()));

    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> cipher(EVP_CIPHER_CTX_new(),
                                                                                 EVP_CIPHER_CTX_free);
    const EVP_CIPHER* aes = EVP_get_cipherbyname("aes-256-cbc");
    int written = 0;
    if (cipher && aes && EVP_CipherInit_ex(cipher.get(), aes, nullptr, key.data(), iv.data(), 1) == 1) {
        EVP_CIPHER_CTX_set_padding(cipher.get(), 0);
        EVP_CipherUpdate(cipher.get(), page.data(), &written, page.data(), int(page.size()));
    }

    std::array<unsigned char, EVP_MAX_MD_SIZE> mac{};
    unsigned int macLength = 0;
    HMAC(EVP_sha1(), key.data(), int(key.size()), page.data(), page.size(), mac.data(), &macLength);
}
