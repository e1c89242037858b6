// Row and tab icons from the shell, and the program's own icon for documents that are gone.
#include "panes/document_images.h"

#include "resource.h"
#include "tracking/document_list_model.h"

// Until Create, types are named but have no image.
DocumentImages::DocumentImages() : types_(std::make_unique<ShellTypes>(nullptr)) {}
DocumentImages::~DocumentImages() = default;

bool DocumentImages::Create() {
    images_.reset(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
    types_ = std::make_unique<ShellTypes>(images_.get());
    UniqueIcon missing(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MISSING_DOCUMENT), IMAGE_ICON, 16, 16, 0)));
    missingImage_ = missing && images_ ? ::ImageList_AddIcon(images_.get(), missing.get()) : -1;
    return static_cast<bool>(images_);
}

const ShellTypes::Type& DocumentImages::ForExtension(const std::string& extension) {
    return types_->ForExtension(extension);
}

int DocumentImages::ForRow(DocumentListModel& model, size_t row) {
    if (!model.RowExists(row)) return missingImage_;
    return types_->ForExtension(model.RowExtension(row)).image;
}
