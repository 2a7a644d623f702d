#include "storage/PreparedDatabaseKey.h"

#include "storage/Connection.h"

PreparedDatabaseKey::PreparedDatabaseKey(std::filesystem::path file)
    : file_(std::move(file)), key_(std::async(std::launch::async, [file = file_] {
          if (const auto salt = saltOfFile(file)) {
              return DatabaseKey::derive(Connection::kPassword, *salt);
          }
          return DatabaseKey::forNewFile(Connection::kPassword);
      }))
{
}
