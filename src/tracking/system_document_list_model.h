// The document list model as the program uses it: the system's file status, legacy code page
// and date formats.
#pragma once

#include "tracking/document_list_model.h"

// Statuses learnt at once from the file system, folder by folder.
CheckStatuses SystemStatusCheck();

DocumentListModel MakeSystemDocumentListModel();
