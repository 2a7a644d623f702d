#pragma once

#include <cstddef>
#include <span>
#include <vector>

// PBKDF2 with HMAC-SHA1 (RFC 8018), the derivation SQLCipher 3 runs on a
// database password. Each 20-byte block of the output is independent of the
// others, so up to `threads` threads (the calling one included) share the
// blocks: on two, a 32-byte key costs the time of one block, not two. The
// HMAC's inner and outer states are prepared once from the password; every
// round then only continues a copy of them.
std::vector<unsigned char> pbkdf2HmacSha1(std::span<const unsigned char> password, std::span<const unsigned char> salt,
                                          int rounds, std::size_t length, unsigned threads);
