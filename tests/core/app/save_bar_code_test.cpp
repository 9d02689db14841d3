#include "core/app/save_bar_code.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

struct DispatchRow {
    const char* name;
    const char* file;
    std::optional<ImageFormat> format; // nothing: the metafile is copied
};

// The extension, in any case, picks the converter's format; every other name
// receives the placeable metafile itself.
TEST(SaveBarCodeTest, TheExtensionChoosesConversionOrCopy) {
    const DispatchRow rows[] = {
        {"mixed case png", "a.Png", ImageFormat::Png},
        {"jpg", "a.JPG", ImageFormat::Jpeg},
        {"jpeg spelled out", "a.jpeg", ImageFormat::Jpeg},
        {"tif", "a.tif", ImageFormat::Tiff},
        {"tiff spelled out", "a.tiff", ImageFormat::Tiff},
        {"gif", "a.gif", ImageFormat::Gif},
        {"bmp", "a.bmp", ImageFormat::Bmp},
        {"tga", "a.tga", ImageFormat::Tga},
        {"pcx", "a.pcx", ImageFormat::Pcx},
        {"eps", "a.eps", ImageFormat::Eps},
        {"svg", "a.svg", ImageFormat::Svg},
        {"pdf", "a.pdf", ImageFormat::Pdf},
        {"wmf", "a.wmf", std::nullopt},
        {"emf", "a.emf", std::nullopt},
        {"no dot", "plain", std::nullopt},
        {"dot in the folder only", "b.png.d/plain", std::nullopt},
        {"trailing dot", "a.", std::nullopt},
    };
    for (const DispatchRow& row : rows) {
        SCOPED_TRACE(row.name);
        const testing::TempFolder folder;
        std::filesystem::create_directory(folder.path() / "b.png.d");
        ConvertingSession session;
        const std::string path = (folder.path() / row.file).string();
        ASSERT_TRUE(session.run("[SAVEBARCODE(" + path + ")]"));
        if (!row.format) {
            EXPECT_TRUE(session.requests.empty());
            EXPECT_EQ(testing::readFile(path), testing::readFile(session.state().TempMetafilePath));
            continue;
        }
        ASSERT_EQ(session.requests.size(), 1u);
        EXPECT_EQ(session.requests[0].format, *row.format);
        EXPECT_EQ(session.requests[0].destination, path);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

// The converter gets the job's raster settings in full, with the busy
// pointer showing while it works.
TEST(SaveBarCodeTest, TheConverterGetsTheRasterSettings) {
    ConvertingSession session;
    ASSERT_TRUE(session.run("[BITSPERPIXEL=24][RASTERIMAGERESOLUTION=600][JPEGQUALITY=55]"
                            "[PNGPAETHFILTER][PNGINTERLACE=ON][BMPCOMPRESSION=ON]"
                            "[TGACOMPRESSION=ON][TIFFCOMPRESSION=GROUP4][GIFCOMPRESSION=ON]"
                            "[SAVEBARCODE(/nowhere/x.png)]"));
    ASSERT_EQ(session.requests.size(), 1u);
    const ImageConversion& request = session.requests[0];
    EXPECT_EQ(request.source, session.state().TempMetafilePath);
    EXPECT_EQ(request.BitsPerPixel, 24);
    EXPECT_EQ(request.RasterResolution, 600);
    EXPECT_EQ(request.JpegQuality, 55);
    EXPECT_EQ(request.PngFilter, 10);
    EXPECT_EQ(request.PngInterlace, 1);
    EXPECT_EQ(request.BmpCompression, 1);
    EXPECT_EQ(request.TgaCompression, 1);
    EXPECT_EQ(request.TiffCompression, 4);
    EXPECT_EQ(request.GifCompression, 1);
    EXPECT_EQ(session.host.busyPointerCalls, (std::vector<bool>{true, false}));
}

// A converter's failure is told, counted and refuses the command.
TEST(SaveBarCodeTest, AFailingConversionIsTold) {
    ConvertingSession session;
    session.answer = "The file /x.png could not be written: No such file or directory.";
    const std::size_t before = session.host.messages.size();
    EXPECT_FALSE(session.run("[SAVEBARCODE(/x.png)]"));
    ASSERT_EQ(session.host.messages.size(), before + 1);
    EXPECT_EQ(session.host.messages.back().text, *session.answer);
    EXPECT_EQ(session.app.failedFileOperations(), 1);
    EXPECT_EQ(session.host.busyPointerCalls, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace vornik
