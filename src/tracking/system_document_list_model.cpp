// Wires the portable model to the system's answers.
#include "tracking/system_document_list_model.h"

#include "text/legacy_code_page.h"
#include "text/locale_text.h"
#include "tracking/system_file_status.h"

namespace {
// How long a document's file status is trusted before it is asked again.
constexpr uint64_t kStatusLifetimeMs = 10'000;
}  // namespace

DocumentListModel MakeSystemDocumentListModel() {
    return DocumentListModel(&DecodeLegacyAnsi, MakeSystemFileStatusCache(kStatusLifetimeMs),
                             DateFormats{&FormatDay, &FormatFileTime});
}
