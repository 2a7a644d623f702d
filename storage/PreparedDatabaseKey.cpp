#include "storage/PreparedDatabaseKey.h"

#include "storage/Connection.h"
#include "storage/EngineCipherWarmUp.h"

DatabaseKey PreparedDatabaseKey::gameKeyForFile(const std::filesystem::path& file)
{
    DatabaseKey key = keyForFile(Connection::kPassword, file);
    warmUpEngineCipher();
    return key;
}

PreparedDatabaseKey::PreparedDatabaseKey(std::filesystem::path file, Preparation prepare)
    : file_(std::move(file)), key_(std::async(std::launch::async, prepare, file_))
{
}
