#include "core/render/metafile.h"
#include "support/metafile_print.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace vornik::render {
namespace {

constexpr LogPen kPen{.style = kPenInsideFrame, .width = 1, .color = 0x123456};
constexpr LogBrush kBrush{.style = kBrushSolid, .color = 0xABCDEF};
const LogFont kFont{.height = 352, .weight = 700, .faceName = "Arial"};

// Creates take the lowest free slot of the object table, deletes free theirs.
TEST(MetafileRecorder, GivesEachNewObjectTheLowestFreeSlot) {
    MetafileRecorder recorder;
    std::vector<std::uint16_t> slots;
    slots.push_back(recorder.createPen(kPen));     // 0
    slots.push_back(recorder.createBrush(kBrush)); // 1
    slots.push_back(recorder.createFont(kFont));   // 2
    recorder.deleteObject(1);
    recorder.deleteObject(0);
    slots.push_back(recorder.createFont(kFont));   // 0, not 1 nor 3
    slots.push_back(recorder.createBrush(kBrush)); // 1
    slots.push_back(recorder.createPen(kPen));     // 3
    recorder.selectObject(3);
    EXPECT_EQ(slots, (std::vector<std::uint16_t>{0, 1, 2, 0, 1, 3}));

    const Metafile expected{{op::CreatePen{kPen}, op::CreateBrush{kBrush}, op::CreateFont{kFont},
                             op::DeleteObject{1}, op::DeleteObject{0}, op::CreateFont{kFont},
                             op::CreateBrush{kBrush}, op::CreatePen{kPen}, op::SelectObject{3}}};
    EXPECT_EQ(recorder.close(), expected);
}

TEST(MetafileRecorder, RecordsEveryCallInOrderAndIsEmptyAfterClosing) {
    MetafileRecorder recorder;
    recorder.setWindowOrg(0, 0);
    recorder.setWindowExt(1234, -567);
    recorder.rectangle(1, -2, 3, -4);
    recorder.setTextAlign(kAlignCenter | kAlignTop);
    recorder.setTextColor(0x0000FF);
    recorder.setBkMode(kTransparentBackground);
    recorder.setBkColor(kWhite);
    recorder.textOut(-5, 6, "Abc");
    (void)recorder.createPen(kPen);
    const Metafile expected{{op::SetWindowOrg{0, 0}, op::SetWindowExt{1234, -567},
                             op::Rectangle{1, -2, 3, -4}, op::SetTextAlign{6},
                             op::SetTextColor{0x0000FF}, op::SetBkMode{1}, op::SetBkColor{kWhite},
                             op::TextOut{-5, 6, "Abc"}, op::CreatePen{kPen}}};
    EXPECT_EQ(recorder.close(), expected);

    // A closed recorder starts over: no calls, every slot free.
    EXPECT_EQ(recorder.createBrush(kBrush), 0);
    EXPECT_EQ(recorder.close(), (Metafile{{op::CreateBrush{kBrush}}}));
}

struct MisuseRow {
    const char* name;
    std::function<void(MetafileRecorder&)> call;
    const char* message;
};

// The renderer's mistakes fail loudly and leave nothing behind in the picture.
TEST(MetafileRecorder, RejectsCallsGdiWouldRefuse) {
    const MisuseRow rows[] = {
        {"select a freed slot", [](auto& r) { r.selectObject(1); },
         "selecting object 1, which is not in the object table"},
        {"delete a freed slot", [](auto& r) { r.deleteObject(1); },
         "deleting object 1, which is not in the object table"},
        {"select past the table", [](auto& r) { r.selectObject(5); },
         "selecting object 5, which is not in the object table"},
        {"delete past the table", [](auto& r) { r.deleteObject(2); },
         "deleting object 2, which is not in the object table"},
        {"32-byte face name",
         [](auto& r) { (void)r.createFont({.faceName = std::string(32, 'F')}); },
         "the face name \"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\" is longer than 31 bytes"},
        {"NUL in a face name",
         [](auto& r) { (void)r.createFont({.faceName = std::string("Ari\0al", 6)}); },
         "a face name holds a NUL character"},
        {"text too long", [](auto& r) { r.textOut(0, 0, std::string(32768, 'x')); },
         "a text of 32768 bytes is longer than the 32767 bytes one text record can carry"},
    };
    for (const auto& row : rows) {
        MetafileRecorder recorder;
        (void)recorder.createPen(kPen);     // slot 0
        (void)recorder.createBrush(kBrush); // slot 1, then freed
        recorder.deleteObject(1);
        try {
            row.call(recorder);
            ADD_FAILURE() << row.name << ": no exception";
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), row.message) << row.name;
        }
        const Metafile before{{op::CreatePen{kPen}, op::CreateBrush{kBrush}, op::DeleteObject{1}}};
        EXPECT_EQ(recorder.close(), before) << row.name;
    }
}

TEST(MetafileRecorder, AcceptsTheLongestFaceNameAndText) {
    MetafileRecorder recorder;
    const LogFont font{.faceName = std::string(31, 'F')};
    EXPECT_EQ(recorder.createFont(font), 0);
    recorder.textOut(0, 0, std::string(32767, 'x'));
    EXPECT_EQ(recorder.close().ops.size(), 2u);
}

} // namespace
} // namespace vornik::render
