#pragma once

#include <QByteArray>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

// The key that opens qb.mdb, worked out the way SQLCipher 3 works it out from
// the password, so the file stays one that the stock sqlcipher shell opens with
// the password alone: PBKDF2-HMAC-SHA1 over the password and the file's salt
// (its first 16 bytes), 64 000 rounds. Handing the engine the finished key and
// salt spares it the derivation.
struct DatabaseKey {
    static constexpr std::size_t kSaltBytes = 16;
    static constexpr std::size_t kKeyBytes = 32;
    static constexpr int kRounds = 64000;
    using Salt = std::array<unsigned char, kSaltBytes>;
    using Key = std::array<unsigned char, kKeyBytes>;

    Salt salt{};
    Key key{};

    static DatabaseKey derive(std::string_view password, const Salt& salt);
    // A key for a file yet to be made, under a salt chosen now.
    static DatabaseKey forNewFile(std::string_view password);

    // What sqlite3_key takes for a raw key with its salt:
    // x'<key in hex><salt in hex>'.
    QByteArray engineKeyText() const;
};

// The key for `file` as it is now: under its own salt, or under a fresh one for
// a file that is yet to be made.
DatabaseKey keyForFile(std::string_view password, const std::filesystem::path& file);

// The salt at the start of an existing file; none when the file is missing, is
// no regular file (nothing here waits on a named pipe) or is too short to hold
// one (the engine then treats it as empty).
std::optional<DatabaseKey::Salt> saltOfFile(const std::filesystem::path& file);
