#include "storage/DatabaseKey.h"

#include "storage/Pbkdf2Sha1.h"

#include "common/RegularFile.h"

#include <algorithm>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

std::span<const unsigned char> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

}  // namespace

DatabaseKey DatabaseKey::derive(std::string_view password, const Salt& salt)
{
    // The key is worked out while the window is built: it may take every core
    // but the one the window needs. On two cores a second thread for the key's
    // second block would only take turns with the window's, and start-up would
    // wait for both.
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const unsigned threads = std::max(1U, cores - 1);
    const std::vector<unsigned char> derived = pbkdf2HmacSha1(bytesOf(password), salt, kRounds, kKeyBytes, threads);
    DatabaseKey result;
    result.salt = salt;
    std::copy(derived.begin(), derived.end(), result.key.begin());
    return result;
}

DatabaseKey DatabaseKey::forNewFile(std::string_view password)
{
    // The system's entropy source: two files made in the same second still
    // differ in salt.
    std::random_device entropy;
    Salt salt;
    std::generate(salt.begin(), salt.end(), [&entropy] { return static_cast<unsigned char>(entropy()); });
    return derive(password, salt);
}

QByteArray DatabaseKey::engineKeyText() const
{
    const auto hex = [](const auto& bytes) {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex();
    };
    return "x'" + hex(key) + hex(salt) + "'";
}

DatabaseKey keyForFile(std::string_view password, const std::filesystem::path& file)
{
    if (const auto salt = saltOfFile(file)) {
        return DatabaseKey::derive(password, *salt);
    }
    return DatabaseKey::forNewFile(password);
}

std::optional<DatabaseKey::Salt> saltOfFile(const std::filesystem::path& file)
{
    const RegularFile opened(file.c_str());
    DatabaseKey::Salt salt;
    if (!opened.isOpen() || ::read(opened.descriptor(), salt.data(), salt.size()) != ssize_t(salt.size())) {
        return std::nullopt;
    }
    return salt;
}
