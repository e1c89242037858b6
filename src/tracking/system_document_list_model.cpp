// Wires the portable model to the system's answers.
#include "tracking/system_document_list_model.h"

#include <memory>

#include "text/legacy_code_page.h"
#include "text/locale_text.h"
#include "tracking/folder_status_check.h"
#include "tracking/system_file_status.h"

CheckStatuses SystemStatusCheck() {
    auto checker = std::make_shared<FolderStatusChecker>(SystemFolderServices());
    return [checker](const std::vector<StatusRequest>& requests) { return checker->CheckAll(requests); };
}

DocumentListModel MakeSystemDocumentListModel() {
    return DocumentListModel(&DecodeLegacyAnsi, SystemStatusCheck(), DateFormats{&FormatDay, &FormatFileTime});
}
