#pragma once

#include <QString>

// What the system said when the game could not make its file or a folder for
// it, followed by the step that mends it where the error has one: "Permission
// denied: give yourself write access to the folder it goes in".
QString systemRefusal(int error);

// True when `folder` lies on a file system mounted read-only, where no write
// access the player gives themselves helps.
bool isOnReadOnlyMount(const QString& folder);
