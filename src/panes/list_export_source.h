// What the save-list dialog exports: the document list as it is shown.
#pragma once

#include <windows.h>

#include "panes/list_export.h"

class DocumentListModel;

// The title "Kestrum <version>", the header texts of the list view `list`, read whole however
// long, and the model's rows in their current order with every cell's displayed text (the
// model serves the owner-data list, so its order is the list's).
ListExportTable ListExportTableOf(HWND list, DocumentListModel& model);
