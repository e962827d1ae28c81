#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "app/CommandLine.h"
#include "app/Form1.h"

int main(int argc, char** argv) {
    // Read before Qt starts, so --help works without a display.
    tarvik::WindowOptions options = tarvik::ParseWindowOptions(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "tarvik: %s\n\n%s", options.error.c_str(), tarvik::WindowUsageText().c_str());
        return 2;
    }
    if (options.help) return std::fputs(tarvik::WindowUsageText().c_str(), stdout), 0;
    if (options.version) return std::printf("tarvik %s\n", TARVIK_VERSION), 0;
    std::error_code error;
    if (!options.ini.empty() && !std::filesystem::is_regular_file(options.ini, error)) {
        std::fprintf(stderr, "tarvik: settings file not found: %s\n", options.ini.c_str());
        return 1;
    }
    std::vector<char*> qtArguments;
    for (auto& arg : options.forQt) qtArguments.push_back(arg.data());
    int qtCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication application(qtCount, qtArguments.data());
    Form1 form;
    if (!form.Load(options.ini.empty() ? "" : std::filesystem::absolute(options.ini).string())) return 1;
    form.show();
    return application.exec();
}
