#include "tools/tarvik-vbs/profile_output.h"

#include <cstdio>
#include <fstream>

#include "script/values/string.h"
#include "tools/tarvik-vbs/console.h"

namespace tarvik {

bool writeProfile(const vbs::Profile& profile, bool table, const std::string& foldedPath,
                  std::chrono::steady_clock::duration run) {
    if (table) {
        char line[80];
        std::snprintf(line, sizeof line, "run: %.3f ms (compiling included)\n",
                      std::chrono::duration<double, std::milli>(run).count());
        console::write(console::Out, vbs::utf8ToUtf16(std::string(line) + profile.table() + profile.lineTable()));
    }
    if (foldedPath.empty()) return true;
    std::ofstream out(foldedPath, std::ios::binary);
    out << profile.folded();
    out.close();
    if (out) return true;
    console::write(console::Err, vbs::utf8ToUtf16(foldedPath + ": cannot write the folded stacks\n"));
    return false;
}

}  // namespace tarvik
