#include "library/views/RejectedFileTexts.h"

namespace vemora {

QString RejectedNoteText(const UiStringLookup& lookup, size_t count) {
    if (count == 1)
        return lookup(ids::kRejectedNoteOne);
    return lookup(ids::kRejectedNoteMany).arg(static_cast<qulonglong>(count));
}

QString UnreadableFoldersText(const UiStringLookup& lookup, int count) {
    if (count == 1)
        return lookup(ids::kUnreadableFoldersOne);
    return lookup(ids::kUnreadableFoldersMany).arg(count);
}

namespace {

int ReasonTextId(RejectReason reason) {
    switch (reason) {
    case RejectReason::TooManyRecords:
        return ids::kRejectTooManyRecords;
    case RejectReason::TooManyBoxes:
        return ids::kRejectTooManyBoxes;
    default:
        return ids::kRejectReasonFirst + static_cast<int>(reason) -
               static_cast<int>(RejectReason::CannotOpen);
    }
}

} // namespace

QString RejectionText(const UiStringLookup& lookup, const ReadVerdict& verdict) {
    if (verdict.Accepted())
        return {};
    const int id = ReasonTextId(verdict.reason);
    QString text = lookup(id);
    if (verdict.reason == RejectReason::CannotOpen)
        text = text.arg(QString::fromStdString(verdict.systemError));
    return text;
}

} // namespace vemora
