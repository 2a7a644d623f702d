// Opening qb.mdb: the key derivation the password costs, worked out by the game
// on one and two threads and by OpenSSL on one, and opening the file with the
// password against the finished key.
#include "storage/Connection.h"
#include "storage/DatabaseKey.h"
#include "storage/Pbkdf2Sha1.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <openssl/evp.h>

namespace {

const DatabaseKey::Salt kSalt{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// arg: threads. DatabaseKey::derive takes every core but one, so one thread on
// two cores.
void BM_DeriveKey(benchmark::State& state)
{
    const std::string_view password(Connection::kPassword);
    const std::span<const unsigned char> passwordBytes(reinterpret_cast<const unsigned char*>(password.data()),
                                                       password.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(pbkdf2HmacSha1(passwordBytes, kSalt, DatabaseKey::kRounds, DatabaseKey::kKeyBytes,
                                                unsigned(state.range(0))));
    }
}
BENCHMARK(BM_DeriveKey)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenSslPbkdf2OnOneThread(benchmark::State& state)
{
    DatabaseKey::Key key;
    for (auto _ : state) {
        PKCS5_PBKDF2_HMAC_SHA1(Connection::kPassword, int(std::strlen(Connection::kPassword)), kSalt.data(),
                               int(kSalt.size()), DatabaseKey::kRounds, int(key.size()), key.data());
        benchmark::DoNotOptimize(key);
    }
}
BENCHMARK(BM_OpenSslPbkdf2OnOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// arg 0: with the password, the engine deriving the key; arg 1: with the key
// worked out before.
void BM_OpenGameFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("qb.mdb"));
    const DatabaseKey key = DatabaseKey::forNewFile(Connection::kPassword);
    Connection().create(path, key);
    const bool withKey = state.range(0) == 1;
    for (auto _ : state) {
        Connection cn;
        if (withKey) {
            cn.open(path, key);
        } else {
            cn.open(path);
        }
    }
}
BENCHMARK(BM_OpenGameFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
