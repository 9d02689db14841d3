#include "export/glyphs/font_faces.h"

#include <freetype/ftsizes.h>
#include <utility>
#include <vector>

namespace vornik::exporting {
namespace {

// More faces or sizes than this on one thread, and all are closed and opened
// afresh as they are asked for again.
constexpr std::size_t kKeptFaces = 16;
constexpr std::size_t kKeptSizes = 16;

struct OpenFace {
    FontFile file;
    FT_Face face;
    std::vector<std::pair<int, FT_Size>> sizes;
};

// The thread's FreeType library and its faces; closing the library closes
// the faces and their sizes with it.
class FaceShelf {
public:
    FaceShelf() {
        if (FT_Init_FreeType(&library_) != 0)
            library_ = nullptr;
    }
    ~FaceShelf() {
        if (library_ != nullptr)
            FT_Done_FreeType(library_);
    }
    FaceShelf(const FaceShelf&) = delete;
    FaceShelf& operator=(const FaceShelf&) = delete;

    OpenFace* face(const FontFile& file) {
        for (OpenFace& open : faces_)
            if (open.file == file)
                return &open;
        if (library_ == nullptr)
            return nullptr;
        if (faces_.size() == kKeptFaces)
            closeAll();
        FT_Face face = nullptr;
        if (FT_New_Face(library_, file.path.c_str(), file.index, &face) != 0)
            return nullptr;
        faces_.push_back({file, face, {}});
        return &faces_.back();
    }

private:
    void closeAll() {
        for (const OpenFace& open : faces_)
            FT_Done_Face(open.face);
        faces_.clear();
    }

    FT_Library library_ = nullptr;
    std::vector<OpenFace> faces_;
};

FT_Size sizeOf(OpenFace& open, int pixelsPerEm) {
    for (const auto& [made, size] : open.sizes)
        if (made == pixelsPerEm)
            return size;
    if (open.sizes.size() == kKeptSizes) {
        for (const auto& [made, size] : open.sizes)
            FT_Done_Size(size);
        open.sizes.clear();
    }
    FT_Size size = nullptr;
    if (FT_New_Size(open.face, &size) != 0)
        return nullptr;
    if (FT_Activate_Size(size) != 0 ||
        FT_Set_Pixel_Sizes(open.face, 0, static_cast<FT_UInt>(pixelsPerEm)) != 0) {
        FT_Done_Size(size);
        return nullptr;
    }
    open.sizes.emplace_back(pixelsPerEm, size);
    return size;
}

} // namespace

FT_Face sizedFace(const FontFile& file, int pixelsPerEm) {
    thread_local FaceShelf shelf;
    OpenFace* open = shelf.face(file);
    if (open == nullptr || pixelsPerEm < 1)
        return nullptr;
    FT_Size size = sizeOf(*open, pixelsPerEm);
    if (size == nullptr || FT_Activate_Size(size) != 0)
        return nullptr;
    FT_Set_Transform(open->face, nullptr, nullptr);
    return open->face;
}

} // namespace vornik::exporting
