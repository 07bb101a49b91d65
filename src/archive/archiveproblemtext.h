#pragma once

#include "archive.h"

#include <QString>

namespace censaria {

// Why an archive file could not be opened, in words for the teacher, naming the file:
// the one set of messages for this computer's archive at start-up and for the collected
// archives the register reads. An archive opened only for reading (a collected one) is
// told what was found without this computer's remedies.
QString archiveFileProblemText(const Archive &archive, ArchiveProblem problem);

} // namespace censaria
