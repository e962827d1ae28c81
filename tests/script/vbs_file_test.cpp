// Runs one .vbs test through tarvik-vbs and compares its output with the files beside it.
// A first line "' options: ..." passes runner options (such as --timeout 200); what follows " -- "
// there goes to the script as its arguments.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

bool readFile(const fs::path& p, std::string& out) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

std::string quote(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

std::string options(const fs::path& script) {
    std::ifstream in(script);
    std::string first;
    std::getline(in, first);
    const std::string tag = "' options:";
    return first.rfind(tag, 0) == 0 ? first.substr(tag.size()) : std::string();
}

bool same(const char* what, const std::string& expected, const std::string& actual) {
    if (expected == actual) return true;
    std::cerr << "--- expected " << what << " ---\n" << expected << "--- actual " << what << " ---\n" << actual << "---\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vbs_file_test tarvik-vbs script.vbs\n";
        return 2;
    }
    fs::path runner = fs::absolute(argv[1]);
    fs::path script = fs::absolute(argv[2]);
    fs::path base = script;
    base.replace_extension();
    fs::current_path(script.parent_path());

    fs::path tmp = fs::temp_directory_path() / ("vbs_test_" + std::to_string(getpid()));
    std::string runnerOptions = options(script), scriptArgs;
    if (size_t dashes = runnerOptions.find(" -- "); dashes != std::string::npos) {
        scriptArgs = runnerOptions.substr(dashes + 4);
        runnerOptions.resize(dashes);
    }
    std::string command = quote(runner.string()) + " " + runnerOptions + " " + quote(script.filename().string()) +
                          " " + scriptArgs + " > " + quote(tmp.string() + ".out") + " 2> " + quote(tmp.string() + ".err");
    std::string input;
    command += readFile(base.string() + ".in", input) ? " < " + quote(base.string() + ".in") : " < /dev/null";
    int status = std::system(command.c_str());
    bool failed = !WIFEXITED(status) || WEXITSTATUS(status) != 0;

    std::string out, err, expectedOut, expectedErr;
    readFile(tmp.string() + ".out", out);
    readFile(tmp.string() + ".err", err);
    fs::remove(tmp.string() + ".out");
    fs::remove(tmp.string() + ".err");
    if (!readFile(base.string() + ".out", expectedOut)) {
        std::cerr << "missing " << base.string() << ".out\n";
        return 1;
    }
    bool ok = same("stdout", expectedOut, out);
    if (readFile(base.string() + ".err", expectedErr)) {
        ok = same("stderr", expectedErr, err) && ok;
        if (!failed) {
            std::cerr << "the script was expected to fail\n";
            ok = false;
        }
    } else if (failed || !err.empty()) {
        std::cerr << "the script failed (status " << status << "):\n" << err;
        ok = false;
    }
    return ok ? 0 : 1;
}
