#include "storage/PreparedDatabaseKey.h"

#include "storage/Connection.h"

DatabaseKey PreparedDatabaseKey::gameKeyForFile(const std::filesystem::path& file)
{
    return keyForFile(Connection::kPassword, file);
}

PreparedDatabaseKey::PreparedDatabaseKey(std::filesystem::path file, Preparation prepare)
    : file_(std::move(file)), key_(std::async(std::launch::async, prepare, file_))
{
}
