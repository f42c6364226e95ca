#pragma once
#include "pages/PageDef.h"

namespace snapshot {

// The filters of the save dialog, in the order shown.
extern const char* const kSaveFilter;

// A press on a page's bare canvas: asks for a file name and writes what the
// canvas shows there, as a JPEG or a bitmap as the name says. A failure is
// told in a message box; the file already there stays as it was.
void saveSnapshot(const pages::PageDef& page);

}  // namespace snapshot
