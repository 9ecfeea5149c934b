#pragma once

namespace delvora {

// Temporary files that a signal must not leave behind. A writer registers its temporary file's
// name while it exists; SIGINT, SIGTERM and SIGHUP remove every registered file and then end the
// process as the signal would have. Returns a slot to release, or -1 when all slots are in use.
int registerPendingFile(const char* name);
void releasePendingFile(int slot);

}  // namespace delvora
