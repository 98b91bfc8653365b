#pragma once
// report.pdf (A4): page 1 what, when, where, speed, heading and G-sensor at the moment, the six
// stills, the track map and the speed and G-sensor curves; page 2 the telemetry second by
// second; then every original file with its SHA-256, the hashes of the files made, the program
// and how to check the pack.

#include "report/PackFacts.h"
#include "report/ReportTexts.h"

#include <string>

namespace vemora::report {

// The PDF's bytes; empty with the reason in *error when cairo fails.
std::string ReportPdfBytes(const PackFacts& facts, const TextLookup& texts, const std::string& program,
                           std::string* error);

// The texts the pages and report.json share.
std::string WhenText(int64_t localTime);                // "2024-05-17 10:20:31" or "--"
std::string SpeedText(const TelemetryAt& at, bool mph); // "58 km/h" or "--"
std::string HeadingText(const TelemetryAt& at);         // "046°" or "--"
std::string GText(const TelemetryAt& at);               // "X +0.12  Y -0.03  Z +1.00 g"
std::string PositionText(const Fix& fix);               // "25.033012 N  121.565400 E"
std::string WhatText(const PackFacts& facts, const TextLookup& texts);
std::string WhereText(const PackFacts& facts, const TextLookup& texts);
std::string UtcText(int64_t utcSeconds); // "2026-12-10 12:34:56 UTC"

} // namespace vemora::report
