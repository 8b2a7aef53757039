#pragma once

#include <string>

#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// Writes `data` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file is left as it was and
// the temporary file is removed. An existing file keeps its permissions; a
// symbolic link stays a link and its target is replaced; a file the user may
// not write is refused. A write that is killed leaves the old or the new
// file whole, and at most a temporary file ".NAME.tmpXXXXXX", which the
// next write of the same file removes (where the system allows, the data
// is written to an unnamed file, so that normally none is left at all).
Status WriteFileAtomically(const std::string& path, const std::string& data);

// Whether WriteFileAtomically could write `path` now: its directory exists
// and may be written, and the file is not a directory and not read-only.
// For commands that must know before long work whose result goes there.
Status CheckWritable(const std::string& path);

// Overwrites an existing file from its start and cuts it to the new length.
// Only for files whose directory does not let us replace them: a failure
// half-way leaves a damaged file.
Status RewriteFileInPlace(const std::string& path, const std::string& data);

// The file that a write to `path` replaces: the target of a symbolic link
// rather than the link itself; `path` when it does not exist yet.
std::string WriteTargetOf(const std::string& path);

// The names of a write's temporary files, the same on every system: the
// file NAME's are ".NAME.tmp" (TemporaryPrefix of "NAME") followed by six
// letters and digits (RandomTemporarySuffix). IsTemporaryName tells such a
// name, found beside the file, from any other.
std::string TemporaryPrefix(const std::string& baseName);
std::string RandomTemporarySuffix();
bool IsTemporaryName(const std::string& name, const std::string& prefix);

// Reads a whole file. Fails when it cannot be opened or read.
Result<std::string> ReadWholeFile(const std::string& path);

}  // namespace qm530
