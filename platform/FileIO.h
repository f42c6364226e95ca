#pragma once
// Whole-file reading and writing. Reading is bounded so that a folder, a FIFO,
// a device or a huge file cannot hang the program or exhaust its memory; writing
// is atomic so that a failure never leaves a partial file behind.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;

// The whole content of a regular file of at most `cap` bytes. Anything else
// (missing, unreadable, not a regular file, too large) gives an empty result;
// a short read keeps the bytes that arrived.
Bytes readWholeFile(const std::string& path, std::uint64_t cap = kMaxReadBytes);

// Writes `bytes` to a temporary file beside `path`, then renames it over `path`.
// Returns an empty string on success, or the reason for the failure; on failure
// an existing file at `path` is untouched and no temporary file is left.
std::string writeFileAtomic(const std::string& path, const Bytes& bytes);

}  // namespace platform
