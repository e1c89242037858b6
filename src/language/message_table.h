// The built-in English texts of every numbered message, and the translator credits.
#pragma once

#include <string_view>

// Message IDs used by code (the table holds every ID; these are the ones named in code).
enum MessageTextId : unsigned {
    kMsgOldPasswordWrong = 1000,
    kMsgPasswordsDiffer = 1010,
    kMsgPasswordChanged = 1020,
    kMsgConfirmDelete = 1800,
    kMsgCannotDelete = 1810,
    kMsgMovingCaption = 1820,
    kMsgCopyingCaption = 1830,
    kMsgCannotMove = 1840,
    kMsgCannotCopy = 1850,
    kMsgOperationDone = 1860,
    kMsgConfirmClear = 1870,
    kMsgCannotSaveList = 1880,
    kMsgSaveListFilter = 1890,
    kMsgYes = 1900,
    kMsgPasswordWrong = 2000,
    kMsgFilter = 2100,
    kMsgType = 2200,
    kMsgDate = 2300,
    kMsgNone = 2400,
    kMsgTotal = 2500,
    kMsgSelected = 2600,
    kMsgHelp = 2700,
    kMsgColumnName = 2800,
    kMsgColumnFolder = 2900,
    kMsgColumnSize = 3000,
    kMsgColumnAccessed = 3100,
    kMsgColumnCreated = 3200,
    kMsgColumnModified = 3300,
    kMsgCannotSaveHistory = 3400,
    kMsgCannotReadHistory = 3500,
    kMsgMainHotKeyTaken = 3710,
    kMsgPopupHotKeyTaken = 3720,
    kMsgHotKeyNeedsModifier = 3730,
    kMsgCannotWriteAutorun = 3740,
    kMsgChecking = 3750,
};

// The highest message ID that has a built-in text.
unsigned LastBuiltInMessageId();

// The English text of a message, or an empty view for an ID without one.
std::string_view BuiltInMessageText(unsigned id);

// The English translator credit 0 (translator), 1 (contact) or 2 (date); empty otherwise.
std::string_view BuiltInTranslatorText(unsigned index);
