#pragma once

#include "platform/Url.h"

#include <QString>
#include <optional>
#include <vector>

namespace scrivlette {

// What the command line asks for: the files to open, or an answer to print
// and an exit status without opening a window (--help, --version, a mistake).
struct LaunchOptions {
    std::vector<Url> files;
    // Open the locations' addresses rather than show the files (--open-location).
    bool openLocations = false;
    // Started by D-Bus activation (--gapplication-service): the window waits
    // for the desktop to ask for it.
    bool serviceOnly = false;
    struct Exit {
        int status;
        QString text;
        bool toStandardError;
    };
    std::optional<Exit> exit;
};

// `arguments` are the raw bytes of argv (without the program name), so that
// file names that are not UTF-8 keep their bytes. Relative names are taken
// from `currentDirectory`. Qt's standard options (-style Fusion, -reverse)
// are passed over: QApplication reads them from argv.
LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments,
                                 const std::string& currentDirectory);

} // namespace scrivlette
