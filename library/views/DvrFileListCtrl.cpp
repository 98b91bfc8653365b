#include "library/views/DvrFileListCtrl.h"

namespace vemora {

CDvrFileListCtrl::CDvrFileListCtrl(QWidget* parent) : CDvrListView(false, kRecordingColumns, parent) {}

} // namespace vemora
