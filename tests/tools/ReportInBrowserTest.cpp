// The HTML report as a reader sees it: tarvik-bench writes one, headless Chromium draws it, and the
// picture must show the page's text and every brain's charts in its colour.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempFolder.h"

namespace {

using tarvik::testing::TempFolder;

std::string onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        size_t colon = folders.find(':', start);
        std::filesystem::path candidate = std::filesystem::path(folders.substr(start, colon - start)) / program;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    return "";
}

// Pixels within a few levels of `colour` on every channel (anti-aliased edges do not count).
int pixelsNear(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            count += std::abs(qRed(line[x]) - colour.red()) < 8 && std::abs(qGreen(line[x]) - colour.green()) < 8 &&
                     std::abs(qBlue(line[x]) - colour.blue()) < 8;
        }
    }
    return count;
}

TEST(ReportInBrowser, ChromiumDrawsTheTextAndEveryBrainsCharts) {
    std::string chromium = onPath("chromium");
    if (chromium.empty()) chromium = onPath("chromium-browser");
    if (chromium.empty()) GTEST_SKIP() << "chromium is not installed (scripts/install.sh installs it): the report is not checked in a browser";

    TempFolder folder;
    folder.write("Tarvik.ini", "[Tarvik]\r\nInputFile=input.txt\r\n[Brains]\r\nBrain1Name=One\r\nBrain1Script=one.vbs\r\n"
                               "Brain2Name=Two\r\nBrain2Script=two.vbs\r\nBrain3Name=Three\r\nBrain3Script=three.vbs\r\n");
    int loops = 50;
    for (const char* name : {"one.vbs", "two.vbs", "three.vbs"}) {
        folder.write(name, "Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
                           "A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\nFor i = 1 To Len(Sentence) * " + std::to_string(loops) +
                           "\n  x = x + i\nNext\nGetResponse = \"ok <STOP>\"\nEnd Function\n");
        loops *= 4;
    }
    folder.write("input.txt", "hi\r\nhello there\r\nwhat is the weather like today?\r\n<script>alert(1)</script>\r\nbye\r\n");
    std::string bench = std::string(TARVIK_BENCH) + " --quiet --repeat 5 --ini " + folder.path("Tarvik.ini") + " --report " +
                        folder.path("report.html") + " >/dev/null 2>" + folder.path("bench.txt");
    ASSERT_EQ(std::system(bench.c_str()), 0) << folder.read("bench.txt");

    // As root (CI) Chromium needs --no-sandbox; its own profile folder keeps parallel runs apart.
    std::string draw = "timeout 120 " + chromium + " --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run" +
                       " --user-data-dir=" + folder.path("profile") + " --window-size=1100,3600 --screenshot=" +
                       folder.path("report.png") + " file://" + folder.path("report.html") + " >" + folder.path("chromium.txt") +
                       " 2>&1";
    int status = std::system(draw.c_str());
    ASSERT_EQ(WEXITSTATUS(status), 0) << folder.read("chromium.txt");

    QImage image(QString::fromStdString(folder.path("report.png")));
    ASSERT_FALSE(image.isNull()) << "no PNG: " << folder.read("chromium.txt");
    image = image.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(1100, 3600));
    int pixels = image.width() * image.height();
    EXPECT_GT(pixelsNear(image, QColor(0x1f, 0x23, 0x28)), pixels / 500) << "text is drawn";
    for (QColor brain : {QColor("#4c78a8"), QColor("#f58518"), QColor("#54a24b")}) {
        EXPECT_GT(pixelsNear(image, brain), 200) << "no chart in " << brain.name().toStdString();
    }
    EXPECT_LT(pixelsNear(image, QColor(Qt::white)), pixels * 97 / 100) << "the page is blank";
}

}  // namespace
