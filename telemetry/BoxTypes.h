#pragma once
// Every four-character code the readers look for: MP4/MOV box types, handler and sample-entry
// types, the recorder's telemetry boxes and marks, and the RIFF chunk ids of its AVI files. The
// codes are compared as their four bytes in file order.

#include "platform/ByteOrder.h"

namespace vemora {

// A type of four zero bytes: padding, zero-filled space, or the end of the box sequence.
inline constexpr FourCC kNoBox = FourCC{{0, 0, 0, 0}};

namespace fourcc {

// --- MP4/MOV structure ---------------------------------------------------------------------
inline constexpr FourCC kFtyp = MakeFourCC("ftyp");
inline constexpr FourCC kFree = MakeFourCC("free");
inline constexpr FourCC kWide = MakeFourCC("wide");
inline constexpr FourCC kSkip = MakeFourCC("skip");
inline constexpr FourCC kMdat = MakeFourCC("mdat");
inline constexpr FourCC kMoov = MakeFourCC("moov");
inline constexpr FourCC kMvhd = MakeFourCC("mvhd");
inline constexpr FourCC kUdta = MakeFourCC("udta");
inline constexpr FourCC kTrak = MakeFourCC("trak");
inline constexpr FourCC kMdia = MakeFourCC("mdia");
inline constexpr FourCC kMdhd = MakeFourCC("mdhd");
inline constexpr FourCC kHdlr = MakeFourCC("hdlr");
inline constexpr FourCC kMinf = MakeFourCC("minf");
inline constexpr FourCC kStbl = MakeFourCC("stbl");
inline constexpr FourCC kStsd = MakeFourCC("stsd");
inline constexpr FourCC kStco = MakeFourCC("stco");

// Handler types and video sample entries.
inline constexpr FourCC kVide = MakeFourCC("vide");
inline constexpr FourCC kMeta = MakeFourCC("meta");
inline constexpr FourCC kAvc1 = MakeFourCC("avc1");
inline constexpr FourCC kHvc1 = MakeFourCC("hvc1");

// --- The recorder's own boxes (also RIFF chunks of its AVI files) ----------------------------
inline constexpr FourCC kGps0 = MakeFourCC("gps0");     // 32-byte GPS records
inline constexpr FourCC kGsen = MakeFourCC("gsen");     // G-sensor samples
inline constexpr FourCC kGpsa = MakeFourCC("gpsa");     // GPS records per second
inline constexpr FourCC kGsea = MakeFourCC("gsea");     // G-sensor description
inline constexpr FourCC kIdit = MakeFourCC("IDIT");     // start date as text
inline constexpr FourCC kThm = MakeFourCC("thm ");      // thumbnail of the 88-byte layout
inline constexpr FourCC kGpsIndex = MakeFourCC("gps "); // record index of the 156-byte layout
inline constexpr FourCC kTrailerName = MakeFourCC("name");

// Marks: the first four characters of the recorder's video handler names, the title item that
// opens the user data of the 92-byte layout, the trailer's name and the AVI main header's mark.
inline constexpr FourCC kJtdVideoTag = MakeFourCC("JTD_");
inline constexpr FourCC kVideoTag = MakeFourCC("Vide");
inline constexpr FourCC kTitleItem = FourCC{{0xA9, 0x6E, 0x61, 0x6D}}; // (c)nam
inline constexpr FourCC kTrailerMark = MakeFourCC("noml");
inline constexpr FourCC kAviMark = MakeFourCC("JTDD");

// --- RIFF / AVI ------------------------------------------------------------------------------
inline constexpr FourCC kRiff = MakeFourCC("RIFF");
inline constexpr FourCC kList = MakeFourCC("LIST");
inline constexpr FourCC kHdrl = MakeFourCC("hdrl");
inline constexpr FourCC kStrl = MakeFourCC("strl");
inline constexpr FourCC kAvih = MakeFourCC("avih");
inline constexpr FourCC kMovi = MakeFourCC("movi");
inline constexpr FourCC kStrh = MakeFourCC("strh");
inline constexpr FourCC kStrf = MakeFourCC("strf");
inline constexpr FourCC kVids = MakeFourCC("vids");
inline constexpr FourCC kAuds = MakeFourCC("auds");
inline constexpr FourCC kJunk = MakeFourCC("JUNK");
inline constexpr FourCC kIdx1 = MakeFourCC("idx1");
inline constexpr FourCC kIndx = MakeFourCC("indx");

} // namespace fourcc
} // namespace vemora
