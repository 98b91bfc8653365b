#pragma once
// report.json: the facts of the pack for machines - the moment, the range, the incident, the
// position, the telemetry second by second, the stills, the originals with their SHA-256, the
// files made and the notes.

#include "platform/JsonWriter.h"
#include "report/PackFacts.h"
#include "report/ReportTexts.h"

#include <string>

namespace vemora::report {

std::string ReportJsonText(const PackFacts& facts, const TextLookup& texts, const std::string& program);

// The incident as an object of the command's output and of report.json; null without one.
void WriteIncidentJson(const PackFacts& facts, vemora::JsonWriter& json);

} // namespace vemora::report
