#pragma once
// Replacing a file's content safely: the bytes go to a new file in the same folder, which
// is written out completely (every short write continued, every error caught), flushed to
// the disk and given the old file's permissions, and only then renamed over the old file.
// On any failure the new file is removed and the old one is untouched. Qt's QSaveFile is
// not used: it reports success after a short write (a file-size limit, say) and leaves the
// file cut short.
#include <string>

// Nothing on success, else the system's reason.
std::string MXWriteFileReplacing(const std::string& path, const std::string& bytes);
