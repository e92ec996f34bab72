#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace lotavo::fuzz {

// A scratch folder for the files a harness writes, removed when the fuzzer exits. Kept on
// the heap so it outlives the exit handler that removes it.
inline const std::string& scratchFolder()
{
    static const std::string* path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "lotavo-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return new std::string(pattern);
    }();
    return *path;
}

}  // namespace lotavo::fuzz
