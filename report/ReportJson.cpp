#include "report/ReportJson.h"

#include "report/ReportPdf.h"

#include <cmath>

namespace vemora::report {

namespace {

void Seconds(JsonWriter& json, const char* key, double ms) {
    json.Key(key).Double(std::round(ms) / 1000.0);
}

void TelemetryJson(JsonWriter& json, const TelemetryAt& at, double atMs) {
    json.BeginObject();
    Seconds(json, "offset_s", at.spanMs - atMs);
    json.Key("local_time").String(at.localTime != 0 ? WhenText(at.localTime) : "");
    if (at.fix) {
        json.Key("latitude").Double(at.fix->latitude);
        json.Key("longitude").Double(at.fix->longitude);
        json.Key("speed_kmh").Int(at.fix->speedKmh);
        json.Key("heading_deg").Int(at.fix->headingDegrees);
    } else {
        json.Key("fix").Null();
    }
    if (at.g) {
        json.Key("g").BeginArray().Double(at.g->x).Double(at.g->y).Double(at.g->z).EndArray();
    } else {
        json.Key("g").Null();
    }
    json.EndObject();
}

} // namespace

void WriteIncidentJson(const PackFacts& facts, JsonWriter& json) {
    if (!facts.incident) {
        json.Null();
        return;
    }
    const Incident& incident = facts.incident->incident;
    json.BeginObject();
    json.Key("kind").String(IncidentKindKey(incident.kind));
    json.Key("strength").Double(incident.strength);
    json.Key("unit").String(incident.kind == IncidentKind::Jolt ? "g" : "m/s2");
    Seconds(json, "offset_s", facts.incident->spanMs - facts.atMs);
    json.Key("speed_kmh").Int(incident.speedKmh);
    json.EndObject();
}

std::string ReportJsonText(const PackFacts& facts, const TextLookup& texts, const std::string& program) {
    JsonWriter json;
    json.BeginObject();
    json.Key("program").String(program);
    json.Key("made_utc").String(UtcText(facts.madeUtc));
    json.Key("recording").String(facts.recordingPath);
    Seconds(json, "at_s", facts.atMs);
    Seconds(json, "from_s", facts.fromMs);
    Seconds(json, "to_s", facts.toMs);
    json.Key("local_time").String(facts.at.localTime != 0 ? WhenText(facts.at.localTime) : "");
    json.Key("what").String(WhatText(facts, texts));
    json.Key("incident");
    WriteIncidentJson(facts, json);
    json.Key("position");
    if (facts.at.fix) {
        json.BeginObject();
        json.Key("latitude").Double(facts.at.fix->latitude);
        json.Key("longitude").Double(facts.at.fix->longitude);
        json.Key("speed_kmh").Int(facts.at.fix->speedKmh);
        json.Key("heading_deg").Int(facts.at.fix->headingDegrees);
        if (facts.place) {
            json.Key("near").String(facts.place->place.name);
            json.Key("country").String(facts.place->place.countryCode);
            json.Key("distance_km").Double(std::round(facts.place->distanceKm * 10) / 10);
        }
        json.EndObject();
    } else {
        json.Null();
    }
    json.Key("g");
    if (facts.at.g)
        json.BeginArray().Double(facts.at.g->x).Double(facts.at.g->y).Double(facts.at.g->z).EndArray();
    else
        json.Null();
    json.Key("telemetry").BeginArray();
    for (const TelemetryAt& at : facts.perSecond)
        TelemetryJson(json, at, facts.atMs);
    json.EndArray();
    json.Key("stills").BeginArray();
    for (const Still& still : facts.stills) {
        if (still.packPath.empty())
            continue;
        json.BeginObject();
        json.Key("path").String(still.packPath);
        json.Key("camera").String(still.rear ? "rear" : "front");
        json.Key("offset_s").Int(still.offsetSeconds);
        json.Key("source").String(still.source);
        json.Key("frame").Int(still.frame);
        json.Key("time_s").Double(std::round(still.timeMs) / 1000.0);
        json.EndObject();
    }
    json.EndArray();
    json.Key("originals").BeginArray();
    for (const OriginalFile& file : facts.originals) {
        json.BeginObject();
        json.Key("path").String(file.packPath);
        json.Key("card_path").String(file.cardPath);
        json.Key("camera").String(file.rear ? "rear" : "front");
        json.Key("size").UInt(file.size);
        json.Key("mtime_utc").String(UtcText(file.mtime));
        json.Key("sha256").String(file.sha256);
        json.EndObject();
    }
    json.EndArray();
    json.Key("made").BeginObject();
    for (const PackFile& file : facts.made)
        json.Key(file.packPath).String(file.sha256);
    json.EndObject();
    json.Key("notes").BeginArray();
    for (const std::string& note : facts.notes)
        json.String(note);
    json.EndArray();
    json.EndObject();
    return json.Text() + "\n";
}

} // namespace vemora::report
