#include "core/render/metafile.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vornik::render {
namespace {

constexpr LogPen kPen{.style = kPenInsideFrame, .width = 1, .color = 0x123456};
constexpr LogBrush kBrush{.color = 0xABCDEF};
// The longest face name and text one record can carry.
const LogFont kFont{.height = 352, .faceName = std::string(31, 'F')};
const std::string kText(32767, 'x');

// Every call is kept in order; a create takes the lowest free slot, a delete frees its own; a
// closed recorder starts over with every slot free.
TEST(MetafileRecorder, RecordsEveryCallAndReusesTheLowestFreeSlot) {
    MetafileRecorder r;
    std::vector<std::uint16_t> slots{r.createPen(kPen), r.createBrush(kBrush), r.createFont(kFont)};
    r.deleteObject(1);
    r.deleteObject(0);
    slots.insert(slots.end(), {r.createFont(kFont), r.createBrush(kBrush), r.createPen(kPen)});
    r.selectObject(3);
    r.rectangle(1, -2, 3, -4);
    r.setTextAlign(kAlignCenter);
    r.setTextColor(0x0000FF);
    r.setBkMode(kTransparentBackground);
    r.setBkColor(kWhite);
    r.textOut(-5, 6, kText);
    EXPECT_EQ(slots, (std::vector<std::uint16_t>{0, 1, 2, 0, 1, 3}));
    const Metafile expected{{op::CreatePen{kPen}, op::CreateBrush{kBrush}, op::CreateFont{kFont},
                             op::DeleteObject{1}, op::DeleteObject{0}, op::CreateFont{kFont},
                             op::CreateBrush{kBrush}, op::CreatePen{kPen}, op::SelectObject{3},
                             op::Rectangle{1, -2, 3, -4}, op::SetTextAlign{6},
                             op::SetTextColor{0x0000FF}, op::SetBkMode{1}, op::SetBkColor{kWhite},
                             op::TextOut{-5, 6, kText}}};
    EXPECT_EQ(r.close(), expected);
    EXPECT_EQ(r.createBrush(kBrush), 0);
    EXPECT_EQ(r.close(), (Metafile{{op::CreateBrush{kBrush}}}));
}

// A turned font is created under a window whose axes agree, the window set back right after;
// an upright font, or one created under such a window already, is recorded alone.
TEST(MetafileRecorder, CreatesTurnedFontsUnderAnUprightWindow) {
    const LogFont turned{.height = 300, .escapement = 900, .orientation = 900};
    const LogFont upright{.height = 300};
    const struct {
        const char* name;
        op::SetWindowExt window;
        LogFont font;
        std::vector<MetaOp> fontOps;
    } rows[] = {
        {"turned, y over",
         {2892, -3729},
         turned,
         {op::SetWindowExt{2892, 3729}, op::CreateFont{turned}, op::SetWindowExt{2892, -3729}}},
        {"turned, x over",
         {-100, 50},
         turned,
         {op::SetWindowExt{-100, -50}, op::CreateFont{turned}, op::SetWindowExt{-100, 50}}},
        {"turned, both over", {-100, -50}, turned, {op::CreateFont{turned}}},
        {"turned, none over", {100, 50}, turned, {op::CreateFont{turned}}},
        {"upright, y over", {100, -50}, upright, {op::CreateFont{upright}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MetafileRecorder r;
        r.setWindowExt(row.window.x, row.window.y);
        EXPECT_EQ(r.createFont(row.font), 0);
        r.selectObject(0);
        Metafile expected{{row.window}};
        expected.ops.insert(expected.ops.end(), row.fontOps.begin(), row.fontOps.end());
        expected.ops.emplace_back(op::SelectObject{0});
        EXPECT_EQ(r.close(), expected);
    }
}

// The renderer's mistakes fail loudly and leave nothing behind in the picture.
TEST(MetafileRecorder, RefusesCallsGdiWouldRefuse) {
    using R = MetafileRecorder&;
    const std::pair<std::function<void(R)>, const char*> rows[] = {
        {[](R r) { r.selectObject(1); }, "selecting object 1, which is not in the object table"},
        {[](R r) { r.deleteObject(1); }, "deleting object 1, which is not in the object table"},
        {[](R r) { r.selectObject(5); }, "selecting object 5, which is not in the object table"},
        {[](R r) { r.deleteObject(2); }, "deleting object 2, which is not in the object table"},
        {[](R r) { (void)r.createFont({.faceName = std::string(32, 'F')}); },
         "the face name \"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\" is longer than 31 bytes"},
        {[](R r) { (void)r.createFont({.faceName = std::string("Ari\0al", 6)}); },
         "a face name holds a NUL character"},
        {[](R r) { r.textOut(0, 0, kText + 'x'); },
         "a text of 32768 bytes is longer than the 32767 bytes one text record can carry"},
    };
    for (const auto& [call, message] : rows) {
        SCOPED_TRACE(message);
        MetafileRecorder recorder;
        (void)recorder.createPen(kPen);     // slot 0
        (void)recorder.createBrush(kBrush); // slot 1, then freed
        recorder.deleteObject(1);
        try {
            call(recorder);
            ADD_FAILURE() << "no exception";
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), message);
        }
        const Metafile before{{op::CreatePen{kPen}, op::CreateBrush{kBrush}, op::DeleteObject{1}}};
        EXPECT_EQ(recorder.close(), before);
    }
}

} // namespace
} // namespace vornik::render
