// Files for the tests: a private scratch folder, whole-file reads, captured reports.
#pragma once

#include <cstdio>
#include <string>

namespace test_files {

// A fresh folder of its own for each test process, removed at exit.
const std::string& scratch_folder();

// scratch_folder() + "/" + name.
std::string scratch_path(const std::string& name);

// The bytes of a file; an empty text for a file that cannot be read.
std::string read_file(const std::string& path);

bool file_exists(const std::string& path);

void write_file(const std::string& path, const std::string& bytes);

// What a report writer writes into a stream, as bytes.
template <typename Writer> std::string capture(Writer write) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    write(stream);
    std::fclose(stream);
    std::string bytes(buffer, size);
    std::free(buffer);
    return bytes;
}

} // namespace test_files
