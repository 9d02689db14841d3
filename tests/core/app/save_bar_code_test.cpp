#include "core/app/save_bar_code.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik {
namespace {

// A session whose converter records what it was asked and answers as told.
struct ConvertingSession : testing::CommandSession {
    std::vector<ImageConversion> requests;
    std::optional<std::string> answer;

    ConvertingSession() {
        app.convertImage = [this](const ImageConversion& request) {
            requests.push_back(request);
            return answer;
        };
        run("[CODE39][MESSAGE='A'][BUILD/COPY]");
        host.busyPointerCalls.clear(); // the build's own
    }
};

// The extension, in any case, picks the converter's format; every other name
// receives the placeable metafile itself.
TEST(SaveBarCodeTest, TheExtensionChoosesConversionOrCopy) {
    using enum ImageFormat;
    const std::pair<const char*, std::optional<ImageFormat>> rows[] = {
        // clang-format off
        {"a.Png", Png}, {"a.JPG", Jpeg}, {"a.jpeg", Jpeg}, {"a.tif", Tiff}, {"a.tiff", Tiff},
        {"a.gif", Gif}, {"a.bmp", Bmp}, {"a.tga", Tga}, {"a.pcx", Pcx}, {"a.eps", Eps},
        {"a.svg", Svg}, {"a.pdf", Pdf}, {"a.wmf", {}}, {"a.emf", {}}, {"plain", {}},
        {"b.png.d/plain", {}}, {"a.", {}},
        // clang-format on
    };
    for (const auto& [file, format] : rows) {
        SCOPED_TRACE(file);
        const testing::TempFolder folder;
        std::filesystem::create_directory(folder.path() / "b.png.d");
        ConvertingSession session;
        const std::string path = (folder.path() / file).string();
        ASSERT_TRUE(session.run("[SAVEBARCODE(" + path + ")]"));
        if (!format) {
            EXPECT_TRUE(session.requests.empty());
            EXPECT_EQ(testing::readFile(path), testing::readFile(session.state().TempMetafilePath));
            continue;
        }
        ASSERT_EQ(session.requests.size(), 1u);
        EXPECT_EQ(session.requests[0].format, *format);
        EXPECT_EQ(session.requests[0].destination, path);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

// The converter gets the job's raster settings in full, with the busy pointer showing while it
// works; its failure is told, counted and refuses the command.
TEST(SaveBarCodeTest, TheConverterGetsTheRasterSettingsAndItsFailureIsTold) {
    ConvertingSession session;
    ASSERT_TRUE(session.run("[BITSPERPIXEL=24][RASTERIMAGERESOLUTION=600][JPEGQUALITY=55]"
                            "[PNGPAETHFILTER][PNGINTERLACE=ON][BMPCOMPRESSION=ON]"
                            "[TGACOMPRESSION=ON][TIFFCOMPRESSION=GROUP4][GIFCOMPRESSION=ON]"
                            "[SAVEBARCODE(/nowhere/x.png)]"));
    ASSERT_EQ(session.requests.size(), 1u);
    const ImageConversion request = session.requests[0];
    EXPECT_EQ(request.source, session.state().TempMetafilePath);
    EXPECT_EQ(std::tie(request.BitsPerPixel, request.RasterResolution, request.JpegQuality,
                       request.PngFilter, request.TiffCompression),
              std::tuple(24, 600, 55, 10, 4));
    EXPECT_EQ(std::tie(request.PngInterlace, request.BmpCompression, request.TgaCompression,
                       request.GifCompression),
              std::tuple(1, 1, 1, 1));
    EXPECT_EQ(session.host.busyPointerCalls, (std::vector<bool>{true, false}));

    session.answer = "The file /x.png could not be written: No such file or directory.";
    const std::size_t before = session.host.messages.size();
    EXPECT_EQ(session.app.failedFileOperations(), 0);
    EXPECT_FALSE(session.run("[SAVEBARCODE(/x.png)]"));
    ASSERT_EQ(session.host.messages.size(), before + 1);
    EXPECT_EQ(session.host.messages.back().text, *session.answer);
    EXPECT_EQ(session.app.failedFileOperations(), 1);
}

} // namespace
} // namespace vornik
