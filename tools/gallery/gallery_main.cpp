// Kestrum's control gallery: shows the program's own controls in the colour schemes, and can
// save a screenshot of itself.
//
//   gallery [--scheme 0|1|2] [--large] [--open-menu] [--dialog] [--shot PATH.bmp]
//
// --scheme picks the scheme of the menu bar and the main tool bar (default 1, Modern); --large
// gives the main tool bar 24-pixel icons; --open-menu opens the File menu once the window
// shows; --dialog opens the sample dialog on the common frame over the window; --shot saves
// the window (with the open menu or dialog) as a 24-bit BMP and ends the program, with exit
// code 0 when the file was written.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/message_filters.h"
#include "gallery_window.h"

namespace {

int Usage(const char* problem) {
    std::fprintf(stderr, "gallery: %s\nusage: gallery [--scheme 0|1|2] [--large] [--open-menu] [--dialog] [--shot PATH.bmp]\n",
                 problem);
    return 2;
}

// False, with `problem` set, for an unknown option or a bad value.
bool ParseArguments(int argc, char** argv, GalleryOptions& options, std::string& problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--scheme" && hasValue) {
            const std::string value = argv[++i];
            if (value != "0" && value != "1" && value != "2") {
                problem = "the scheme is 0 (Classic), 1 (Modern) or 2 (Original), not '" + value + "'";
                return false;
            }
            options.scheme = value[0] - '0';
        } else if (argument == "--shot" && hasValue) {
            options.shotPath = argv[++i];
        } else if (argument == "--large") {
            options.largeIcons = true;
        } else if (argument == "--open-menu") {
            options.openMenu = true;
        } else if (argument == "--dialog") {
            options.openDialog = true;
        } else {
            problem = "unknown or incomplete option '" + argument + "'";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    GalleryOptions options;
    std::string problem;
    if (!ParseArguments(argc, argv, options, problem)) return Usage(problem.c_str());

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    CGalleryWindow window(options);
    if (!window.Open()) {
        std::fprintf(stderr, "gallery: the window could not be created\n");
        return 1;
    }
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateQueuedMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    if (!window.ShotSaved()) {
        std::fprintf(stderr, "gallery: the screenshot could not be written to %s\n", options.shotPath.c_str());
        return 1;
    }
    return 0;
}
