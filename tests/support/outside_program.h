#pragma once

// The other programs the tests read our files with. A test first asks
// whether the program there can do its job, and fails with a sentence that
// names the Debian package to install when it cannot, rather than failing
// on a puzzling read or passing over the check.

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace vornik::testing {

enum class OutsideProgram {
    Wmf2svg,
    ImageMagickWmf,
    ImageMagick,
    Ghostscript,
    Netpbm,
    Poppler,
    LibreOfficeDraw
};

struct OutsideProgramCheck {
    const char* command; // exits 0 when the program can do the job
    const char* ability; // what the test needs of it
    const char* package; // the Debian package that brings it
};

inline OutsideProgramCheck checkOf(OutsideProgram program) {
    switch (program) {
    case OutsideProgram::Wmf2svg:
        return {"/usr/bin/wmf2svg --version 2>&1 | grep -q libwmf", "libwmf's wmf2svg",
                "libwmf-bin"};
    case OutsideProgram::ImageMagickWmf:
        return {"/usr/bin/convert -list format | grep -Eq '^ *WMF\\*? +WMF +r'",
                "ImageMagick reading WMF files", "libmagickcore-6.q16-6-extra"};
    case OutsideProgram::ImageMagick:
        return {"/usr/bin/convert -version", "ImageMagick's convert", "imagemagick"};
    case OutsideProgram::Ghostscript:
        return {"gs --version", "Ghostscript", "ghostscript"};
    case OutsideProgram::Netpbm:
        return {"/usr/bin/pcxtoppm -version", "netpbm's pcxtoppm", "netpbm"};
    case OutsideProgram::Poppler:
        return {"sh -c '/usr/bin/pdfinfo -v && /usr/bin/pdffonts -v && /usr/bin/pdftoppm -v && "
                "/usr/bin/pdftotext -v'",
                "Poppler's pdfinfo, pdffonts, pdftoppm and pdftotext", "poppler-utils"};
    case OutsideProgram::LibreOfficeDraw:
        return {"sh -c 'soffice --version | grep -q LibreOffice && "
                "test -e /usr/lib/libreoffice/program/libsdlo.so'",
                "LibreOffice Draw converting pictures headless", "libreoffice-draw"};
    }
    return {"false", "an unknown program", "?"};
}

// Empty when PROGRAM can do the job; otherwise the sentence that says what
// is missing and how to get it.
inline std::string missingProgram(OutsideProgram program) {
    const OutsideProgramCheck check = checkOf(program);
    const int status = std::system((std::string(check.command) + " >/dev/null 2>&1").c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    return std::string("This test needs ") + check.ability +
           ", which is not there: install the "
           "Debian package " +
           check.package + ".";
}

} // namespace vornik::testing
