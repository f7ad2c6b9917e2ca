// zentor-devicepics: draws the device pictures and writes the device page
// layouts into a skin folder, or renders the four device pages, lit in a test
// pattern, to PNG files.
//
//   zentor-devicepics generate <skin folder>
//   zentor-devicepics render <skin folder> <output folder>
#include <QApplication>
#include <cstdio>
#include <string>

#include "DevicePictures.h"
#include "PageRender.h"

int main(int argc, char** argv) {
    // Nothing is shown: draw off screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "generate" && argc == 3) {
        return devicepics::GenerateSkin(argv[2]) ? 0 : 1;
    }
    if (mode == "render" && argc == 4) {
        return devicepics::RenderPages(argv[2], argv[3]) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: zentor-devicepics generate <skin folder>\n"
                 "       zentor-devicepics render <skin folder> <output folder>\n");
    return 2;
}
