#pragma once
// The JSON of one drive, shared by `vemora drives` and `vemora catalogue list`.

#include "library/Catalogue.h"
#include "platform/JsonWriter.h"

namespace vemora::cli {

struct DriveJsonExtras {
    bool withCatalogueState = false; // "present" and "kept"
};

void WriteDriveJson(JsonWriter& json, const CataloguedDrive& drive, const DriveJsonExtras& extras = {});

// A catalogue at --db FILE or the user's own; prints the reason and returns nothing on failure.
std::optional<Catalogue> OpenCatalogue(const std::string& dbFile, const char* command);

} // namespace vemora::cli
