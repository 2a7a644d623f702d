#include "storage/DatabaseOpening.h"

#include "storage/GameDatabase.h"

DatabaseOpening::DatabaseOpening(const QString& file)
    : file_(file), opened_(std::async(std::launch::async, [file] {
          Connection cn;
          openGameDatabase(cn, file);
          return cn;
      }))
{
}

Connection DatabaseOpening::take() { return opened_.get(); }
