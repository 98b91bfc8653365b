#pragma once
// Snapshots of the players' pictures: one file per camera, named after the file the user chose.

#include <QString>

namespace vemora {

class VlcApi;

// "shot.jpg" -> "shot_F.jpg"; the mark goes before the extension dot of the file name.
QString WithCameraMark(const QString& path, const char* mark);

// The player's current picture to path, as the name asks (libVLC writes PNG whatever the name
// says; a .jpg name gets a real JPEG). Nothing for a player that is not loaded.
void WriteSnapshot(VlcApi& player, const QString& path);

} // namespace vemora
