// The folder of real files the corpus tests read. It is looked up when a
// test runs, not when the build is configured: KELVANE_CORPUS when it is
// set and not empty, otherwise ../shared/corpus beside the repository when
// that folder exists. With neither, the corpus tests skip.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvane::testing {

// The corpus folder, or an empty path when there is none.
std::filesystem::path CorpusFolder();

// A file of the corpus by its name (only meaningful when CorpusFolder() is
// not empty).
std::filesystem::path CorpusFile(std::string_view name);

// What a test says when it skips for want of the corpus.
inline constexpr const char* kNoCorpus =
    "no corpus: KELVANE_CORPUS is not set and ../shared/corpus is missing";

}  // namespace kelvane::testing
