#include "tools/tarvik-bench/Exports.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <tuple>

namespace tarvik {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string CallsCsv(const Measurement& run) {
    // Brains are asked 3, 2, 1 on each sentence of each pass.
    std::vector<std::tuple<std::uint32_t, std::uint32_t, int, const BrainRun*, const Sample*>> calls;
    for (const BrainRun& brain : run.brains) {
        for (const Sample& s : brain.samples) calls.emplace_back(s.repeat, s.sentence, -brain.number, &brain, &s);
    }
    std::sort(calls.begin(), calls.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a)) < std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b));
    });
    std::string text = "sentence,text,repeat,brain,name,ms,result\r\n";
    char ms[40];
    for (const auto& [repeat, sentence, order, brain, sample] : calls) {
        std::snprintf(ms, sizeof ms, "%.9g", sample->milliseconds);
        text += std::to_string(sentence + 1) + "," + csvField(run.sentences[sentence]) + "," + std::to_string(repeat + 1) + "," +
                std::to_string(brain->number) + "," + csvField(brain->name) + "," + (sample->Answered() ? ms : "") + "," +
                (sample->Answered() ? "ok" : csvField(brain->failures[static_cast<size_t>(sample->failure)].error)) + "\r\n";
    }
    return text;
}

std::string ExportProblem(const std::string& path) {
    std::filesystem::path file = std::filesystem::absolute(path);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return path + " is a folder";
    std::filesystem::path folder = file.parent_path();
    if (!std::filesystem::is_directory(folder, error)) return "the folder of " + path + " does not exist";
    if (::access(folder.c_str(), W_OK) != 0) return "the folder of " + path + " takes no files: " + std::strerror(errno);
    if (std::filesystem::exists(file, error) && ::access(file.c_str(), W_OK) != 0)
        return path + " cannot be written: " + std::strerror(errno);
    return "";
}

void WriteExport(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

}  // namespace tarvik
