// The file operations of a copy or move run on the real file system.
#pragma once

#include <string>

#include "panes/copy_move_plan.h"

class SystemDocumentFiles final : public DocumentFileOperations {
public:
    bool IsRegularFile(const std::string& path) override;
    bool SameFile(const std::string& first, const std::string& second) override;
    bool Exists(const std::string& path) override;
    bool Copy(const std::string& source, const std::string& target, bool failIfExists) override;
    bool Move(const std::string& source, const std::string& target, bool replace) override;
};
