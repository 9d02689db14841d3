#include "core/render/metafile_replay.h"

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

namespace vornik::render {
namespace {

using GdiObject = std::variant<LogPen, LogBrush, LogFont>;

// The metafile's object table, indexed as the records index it: a new object
// takes the lowest free slot, a deleted one frees its slot.
class ObjectTable {
public:
    void create(GdiObject object) {
        const auto free = std::find(slots_.begin(), slots_.end(), std::nullopt);
        if (free == slots_.end()) {
            slots_.emplace_back(std::move(object));
            return;
        }
        *free = std::move(object);
    }
    [[nodiscard]] const GdiObject* find(std::uint16_t index) const {
        if (index >= slots_.size() || !slots_[index])
            return nullptr;
        return &*slots_[index];
    }
    void remove(std::uint16_t index) {
        if (index < slots_.size())
            slots_[index].reset();
    }

private:
    std::vector<std::optional<GdiObject>> slots_;
};

// One call at a time, with the state of a device context. The defaults are
// those of a fresh one: black pen, white brush, opaque white background.
class DeviceContext {
public:
    explicit DeviceContext(PictureSink& sink) : sink_(sink) {}

    void operator()(const op::SetWindowOrg& call) {
        window_.originX = call.x;
        window_.originY = call.y;
        sink_.windowChanged(window_);
    }
    void operator()(const op::SetWindowExt& call) {
        if (call.x == 0 || call.y == 0)
            return;
        window_.extentX = call.x;
        window_.extentY = call.y;
        sink_.windowChanged(window_);
    }
    void operator()(const op::CreatePen& call) { objects_.create(call.pen); }
    void operator()(const op::CreateBrush& call) { objects_.create(call.brush); }
    void operator()(const op::CreateFont& call) { objects_.create(call.font); }
    void operator()(const op::SelectObject& call) {
        const GdiObject* object = objects_.find(call.index);
        if (object == nullptr)
            return;
        if (const auto* pen = std::get_if<LogPen>(object))
            pen_ = *pen;
        else if (const auto* brush = std::get_if<LogBrush>(object))
            brush_ = *brush;
        else
            text_.font = std::get<LogFont>(*object);
    }
    // A selected object stays in use after it is deleted: the context holds a copy.
    void operator()(const op::DeleteObject& call) { objects_.remove(call.index); }
    void operator()(const op::Rectangle& call) { sink_.rectangle(call, pen_, brush_); }
    void operator()(const op::SetTextAlign& call) { text_.align = call.align; }
    void operator()(const op::SetTextColor& call) { text_.color = call.color; }
    void operator()(const op::SetBkMode& call) {
        text_.opaque = call.mode != kTransparentBackground;
    }
    void operator()(const op::SetBkColor& call) { text_.background = call.color; }
    void operator()(const op::TextOut& call) { sink_.text(call, text_); }

private:
    PictureSink& sink_;
    Window window_;
    ObjectTable objects_;
    LogPen pen_;
    LogBrush brush_{kBrushSolid, kWhite, 0};
    TextStyle text_;
};

} // namespace

void replay(const Metafile& metafile, PictureSink& sink) {
    DeviceContext context(sink);
    for (const MetaOp& call : metafile.ops)
        std::visit(context, call);
}

} // namespace vornik::render
