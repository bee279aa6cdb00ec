// Scratch folder and file helpers of the tests.
#include "test_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace test_files {

namespace {
struct Scratch {
    std::string path;
    Scratch() {
        char pattern[] = "/tmp/suite-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made != nullptr ? made : "/tmp";
    }
    ~Scratch() {
        std::error_code ignored;
        if (path != "/tmp") {
            std::filesystem::remove_all(path, ignored);
        }
    }
};
} // namespace

const std::string& scratch_folder() {
    static Scratch scratch;
    return scratch.path;
}

std::string scratch_path(const std::string& name) { return scratch_folder() + "/" + name; }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool file_exists(const std::string& path) { return std::filesystem::exists(path); }

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace test_files
