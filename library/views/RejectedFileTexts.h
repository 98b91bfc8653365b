#pragma once
// String-table ids of the note about files that could not be read and of its dialog, and the
// texts built from them.

#include "library/RecordingInfo.h"
#include "library/views/ListRowModel.h"

#include <QString>

namespace vemora::ids {

inline constexpr int kRejectedNoteMany = 200;   // "%1 files could not be read"
inline constexpr int kRejectedNoteOne = 201;    // "1 file could not be read"
inline constexpr int kRejectedDetails = 202;    // the link word "details"
inline constexpr int kRejectedCaption = 203;    // the dialog's title
inline constexpr int kRejectedFileColumn = 204; // "File"
inline constexpr int kRejectedReasonColumn = 205;
inline constexpr int kRejectedClose = 206;
// One text per reason, in the order of RejectReason from CannotOpen on ("%1" = system error).
inline constexpr int kRejectReasonFirst = 207;
// Reasons added after the first run of ids.
inline constexpr int kRejectTooManyRecords = 770;
inline constexpr int kRejectTooManyBoxes = 773;
// "%1 folders could not be read" and its singular: a scan that may have missed recordings.
inline constexpr int kUnreadableFoldersMany = 771;
inline constexpr int kUnreadableFoldersOne = 772;

} // namespace vemora::ids

namespace vemora {

// The note's plain text for count files (count > 0).
QString RejectedNoteText(const UiStringLookup& lookup, size_t count);
// The note's plain text for count folders that could not be read (count > 0).
QString UnreadableFoldersText(const UiStringLookup& lookup, int count);
// Why the file was turned down, in the user's language; the system's words for files that
// cannot be opened.
QString RejectionText(const UiStringLookup& lookup, const ReadVerdict& verdict);

} // namespace vemora
