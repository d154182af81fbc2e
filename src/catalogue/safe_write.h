#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace quantora {

// Replaces `target` by `bytes` so that a reader, or the next start after a crash or power cut,
// finds either the old file or the new one, never a part of one: the bytes go to a temporary file
// in the target's folder, are flushed to the disk, and the temporary file is renamed over the
// target. A link to a regular file is written through; anything else but a regular file is refused.
// A failure leaves the old file as it was, removes the temporary file and returns "<target>: <reason>".
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes);

// 16 random hex digits, for names no other file has.
std::string RandomFileTag();

// Runs after the temporary file is on the disk and before it is renamed over the target: the
// moment a crash must not harm. Tests stop a writing process there; the program sets nothing.
void SetBeforeReplaceHook(void (*hook)());

}  // namespace quantora
