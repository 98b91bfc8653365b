#include "library/views/RejectedFileTexts.h"

namespace vemora {

QString RejectedNoteText(const UiStringLookup& lookup, size_t count) {
    if (count == 1)
        return lookup(ids::kRejectedNoteOne);
    return lookup(ids::kRejectedNoteMany).arg(static_cast<qulonglong>(count));
}

QString RejectionText(const UiStringLookup& lookup, const ReadVerdict& verdict) {
    if (verdict.Accepted())
        return {};
    const int id = ids::kRejectReasonFirst + static_cast<int>(verdict.reason) -
                   static_cast<int>(RejectReason::CannotOpen);
    QString text = lookup(id);
    if (verdict.reason == RejectReason::CannotOpen)
        text = text.arg(QString::fromStdString(verdict.systemError));
    return text;
}

} // namespace vemora
