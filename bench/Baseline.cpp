#include "bench/Baseline.h"

#include <unistd.h>

#include <fstream>

namespace tarvik {

std::string BaselineNameProblem(const std::string& name) {
    bool plain = !name.empty() && name[0] != '.';
    for (unsigned char c : name) plain = plain && c != '/' && c != '\\' && c >= 0x20 && c != 0x7F;
    return plain ? "" : "a baseline name is a plain file name (no '/' or '\\', not starting with '.'), not '" + name + "'";
}

std::filesystem::path BaselinePath(const std::filesystem::path& iniPath, const std::string& name) {
    std::string problem = BaselineNameProblem(name);
    if (!problem.empty()) throw BaselineProblem(problem);
    return std::filesystem::absolute(iniPath).parent_path() / "baselines" / (name + ".json");
}

void SaveBaseline(const std::filesystem::path& path, const std::string& json) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) throw BaselineProblem("cannot create the baselines folder " + path.parent_path().string() + ": " + error.message());
    std::filesystem::path partial = path;
    partial += ".partial-" + std::to_string(::getpid());
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << json;
        out.close();
        if (!out) {
            std::filesystem::remove(partial, error);
            throw BaselineProblem("cannot write the baseline " + path.string());
        }
    }
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        throw BaselineProblem("cannot write the baseline " + path.string() + ": " + error.message());
    }
}

}  // namespace tarvik
