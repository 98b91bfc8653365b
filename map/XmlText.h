#pragma once
// Text that goes into an export file as XML character data or an attribute value.

#include <string>
#include <string_view>

namespace vemora {

// Escapes &, <, > and the quotation mark, so that a file name such as `A&B "1".MP4` cannot break
// the document. Bytes that are not valid UTF-8 become U+FFFD and control characters that XML 1.0
// forbids are dropped: file names on disk are bytes, the export files are UTF-8 XML.
std::string EscapeXmlText(std::string_view text);

} // namespace vemora
