#include "core/render/metafile.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vornik::render {

void requireRecordable(const LogFont& font) {
    if (font.faceName.size() > kMaxFaceNameBytes)
        throw std::length_error("the face name \"" + font.faceName + "\" is longer than " +
                                std::to_string(kMaxFaceNameBytes) + " bytes");
    if (font.faceName.find('\0') != std::string::npos)
        throw std::invalid_argument("a face name holds a NUL character");
}

void requireRecordable(const op::TextOut& text) {
    if (text.text.size() > kMaxTextBytes)
        throw std::length_error("a text of " + std::to_string(text.text.size()) +
                                " bytes is longer than the " + std::to_string(kMaxTextBytes) +
                                " bytes one text record can carry");
}

void MetafileRecorder::setWindowOrg(std::int16_t x, std::int16_t y) {
    metafile_.ops.emplace_back(op::SetWindowOrg{x, y});
}

void MetafileRecorder::setWindowExt(std::int16_t x, std::int16_t y) {
    metafile_.ops.emplace_back(op::SetWindowExt{x, y});
    windowExtentX_ = x;
    windowExtentY_ = y;
}

std::uint16_t MetafileRecorder::createPen(const LogPen& pen) {
    const std::uint16_t index = takeSlot();
    metafile_.ops.emplace_back(op::CreatePen{pen});
    return index;
}

std::uint16_t MetafileRecorder::createBrush(const LogBrush& brush) {
    const std::uint16_t index = takeSlot();
    metafile_.ops.emplace_back(op::CreateBrush{brush});
    return index;
}

std::uint16_t MetafileRecorder::createFont(const LogFont& font) {
    requireRecordable(font);
    const std::uint16_t index = takeSlot();
    const bool axisTurnedOver = (windowExtentX_ < 0) != (windowExtentY_ < 0);
    if (font.escapement == 0 || !axisTurnedOver) {
        metafile_.ops.emplace_back(op::CreateFont{font});
        return index;
    }
    // The extents are picture sides, never -32768, so the negation fits.
    const auto upright = static_cast<std::int16_t>(-windowExtentY_);
    metafile_.ops.emplace_back(op::SetWindowExt{windowExtentX_, upright});
    metafile_.ops.emplace_back(op::CreateFont{font});
    metafile_.ops.emplace_back(op::SetWindowExt{windowExtentX_, windowExtentY_});
    return index;
}

// Selecting or deleting a free slot would make the player pick up whatever
// object a later create puts there: fail where the mistake is made.
void MetafileRecorder::selectObject(std::uint16_t index) {
    if (index >= slotsInUse_.size() || !slotsInUse_[index])
        throw std::logic_error("selecting object " + std::to_string(index) +
                               ", which is not in the object table");
    metafile_.ops.emplace_back(op::SelectObject{index});
}

void MetafileRecorder::deleteObject(std::uint16_t index) {
    if (index >= slotsInUse_.size() || !slotsInUse_[index])
        throw std::logic_error("deleting object " + std::to_string(index) +
                               ", which is not in the object table");
    slotsInUse_[index] = false;
    metafile_.ops.emplace_back(op::DeleteObject{index});
}

void MetafileRecorder::rectangle(std::int16_t left, std::int16_t top, std::int16_t right,
                                 std::int16_t bottom) {
    metafile_.ops.emplace_back(op::Rectangle{left, top, right, bottom});
}

void MetafileRecorder::setTextAlign(std::uint16_t align) {
    metafile_.ops.emplace_back(op::SetTextAlign{align});
}

void MetafileRecorder::setTextColor(ColorRef color) {
    metafile_.ops.emplace_back(op::SetTextColor{color});
}

void MetafileRecorder::setBkMode(std::uint16_t mode) {
    metafile_.ops.emplace_back(op::SetBkMode{mode});
}

void MetafileRecorder::setBkColor(ColorRef color) {
    metafile_.ops.emplace_back(op::SetBkColor{color});
}

void MetafileRecorder::textOut(std::int16_t x, std::int16_t y, std::string text) {
    op::TextOut call{x, y, std::move(text)};
    requireRecordable(call);
    metafile_.ops.emplace_back(std::move(call));
}

Metafile MetafileRecorder::close() {
    Metafile recorded = std::move(metafile_);
    metafile_ = Metafile{};
    slotsInUse_.clear();
    windowExtentX_ = 1;
    windowExtentY_ = 1;
    return recorded;
}

// The object table of a metafile device context: the lowest free slot first.
// The header counts the table's slots in 16 bits, so 65535 is the most.
std::uint16_t MetafileRecorder::takeSlot() {
    const auto free = std::find(slotsInUse_.begin(), slotsInUse_.end(), false);
    const auto index = static_cast<std::size_t>(free - slotsInUse_.begin());
    if (index >= 0xFFFF)
        throw std::length_error("the object table is full");
    if (free == slotsInUse_.end())
        slotsInUse_.push_back(true);
    else
        *free = true;
    return static_cast<std::uint16_t>(index);
}

} // namespace vornik::render
