#include "telemetry/ReadVerdict.h"

namespace vemora {

const char* RejectReasonKey(RejectReason reason) {
    switch (reason) {
    case RejectReason::None:
        return "";
    case RejectReason::CannotOpen:
        return "cannot_open";
    case RejectReason::NotRecorderFile:
        return "not_recorder_file";
    case RejectReason::CutShort:
        return "cut_short";
    case RejectReason::UnsupportedLayout:
        return "unsupported_layout";
    case RejectReason::NoMovieHeader:
        return "no_movie_header";
    case RejectReason::NoVideoTrack:
        return "no_video_track";
    case RejectReason::NoPictureSize:
        return "no_picture_size";
    case RejectReason::ZeroDuration:
        return "zero_duration";
    case RejectReason::NoRecorderMark:
        return "no_recorder_mark";
    case RejectReason::TooManyRecords:
        return "too_many_records";
    case RejectReason::TooManyBoxes:
        return "too_many_boxes";
    }
    return "unknown";
}

std::string DescribeRejection(const ReadVerdict& verdict) {
    switch (verdict.reason) {
    case RejectReason::None:
        return {};
    case RejectReason::CannotOpen:
        return "cannot be opened: " + verdict.systemError;
    case RejectReason::NotRecorderFile:
        return "not a recording of the recorder";
    case RejectReason::CutShort:
        return "cut short: the file ends before its data does (power cut or full card)";
    case RejectReason::UnsupportedLayout:
        return "a video file in no telemetry layout this viewer knows";
    case RejectReason::NoMovieHeader:
        return "no movie header";
    case RejectReason::NoVideoTrack:
        return "no video track of the recorder";
    case RejectReason::NoPictureSize:
        return "no picture size";
    case RejectReason::ZeroDuration:
        return "no duration";
    case RejectReason::NoRecorderMark:
        return "the recorder's mark is missing";
    case RejectReason::TooManyRecords:
        return "far more telemetry records than the recording's length allows";
    case RejectReason::TooManyBoxes:
        return "far more boxes than any recording has";
    }
    return "unknown reason";
}

} // namespace vemora
