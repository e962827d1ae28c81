#pragma once
// A scratch folder for file tests, removed afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "script/string.h"

namespace vbs::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-objects-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }
    // The folder written Windows-style: "C:" and backslashes.
    std::u16string windows(std::string_view name = {}) const {
        std::u16string p = u"C:" + utf8ToUtf16(path_);
        if (!name.empty()) p += u"\\" + utf8ToUtf16(name);
        for (char16_t& c : p) if (c == u'/') c = u'\\';
        return p;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
    }

private:
    std::string path_;
};

}  // namespace vbs::test
