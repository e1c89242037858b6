// Row and tab icons from the shell, and the program's own icon for documents that are gone.
#include "panes/document_images.h"

#include "resource.h"
#include "tracking/document_list_model.h"

// Until Create, types are named but have no image.
DocumentImages::DocumentImages() : types_(std::make_unique<ShellTypes>(nullptr)) {}
DocumentImages::~DocumentImages() = default;

bool DocumentImages::Create(int size) {
    size_ = size;
    images_.reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1));
    types_ = std::make_unique<ShellTypes>(images_.get());
    AddMissingImage();
    return static_cast<bool>(images_);
}

bool DocumentImages::AddMissingImage() {
    // LoadImage picks the icon's frame nearest the size and scales only that one.
    const UniqueIcon missing(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MISSING_DOCUMENT),
                                                             IMAGE_ICON, size_, size_, 0)));
    missingImage_ = missing && images_ ? ::ImageList_AddIcon(images_.get(), missing.get()) : -1;
    return missingImage_ >= 0;
}

bool DocumentImages::Resize(int size) {
    if (!images_ || size <= 0) return false;
    if (size == size_) return true;
    size_ = size;
    // Setting the size empties the list; the images come back in their old order.
    if (!::ImageList_SetIconSize(images_.get(), size, size)) return false;
    const bool missing = AddMissingImage();
    return types_->AddImagesAgain() && missing;
}

const ShellTypes::Type& DocumentImages::ForExtension(const std::string& extension) {
    return types_->ForExtension(extension);
}

int DocumentImages::ForRow(DocumentListModel& model, size_t row) {
    if (!model.RowExists(row)) return missingImage_;
    return types_->ForExtension(model.RowExtension(row)).image;
}
