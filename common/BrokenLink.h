#pragma once

#include <QString>
#include <optional>

// A symbolic link that leads to nothing: its target, and what goes wrong on
// the way there, in the player's words ("a link to /a/b, which is not
// there"). Nothing when `path` is no link, or a link that leads somewhere.
std::optional<QString> describeBrokenLink(const QString& path);
