#pragma once

#include "core/render/metafile.h"

#include <ostream>

namespace vornik::render {

// Shows a picture call by call when a comparison of two pictures fails.
inline void PrintTo(const Metafile& metafile, std::ostream* out) {
    const auto color = [out](ColorRef c) { *out << std::hex << "0x" << c << std::dec; };
    *out << metafile.ops.size() << " calls:";
    for (const MetaOp& call : metafile.ops) {
        *out << "\n  ";
        if (const auto* c = std::get_if<op::SetWindowOrg>(&call))
            *out << "SetWindowOrg " << c->x << ", " << c->y;
        else if (const auto* c = std::get_if<op::SetWindowExt>(&call))
            *out << "SetWindowExt " << c->x << ", " << c->y;
        else if (const auto* c = std::get_if<op::CreatePen>(&call))
            *out << "CreatePen " << c->pen.style << " " << c->pen.width << " ", color(c->pen.color);
        else if (const auto* c = std::get_if<op::CreateBrush>(&call))
            *out << "CreateBrush " << c->brush.style << " " << c->brush.hatch << " ",
                color(c->brush.color);
        else if (const auto* c = std::get_if<op::CreateFont>(&call))
            *out << "CreateFont \"" << c->font.faceName << "\" " << c->font.height << " x "
                 << c->font.width << " weight " << c->font.weight;
        else if (const auto* c = std::get_if<op::SelectObject>(&call))
            *out << "SelectObject " << c->index;
        else if (const auto* c = std::get_if<op::DeleteObject>(&call))
            *out << "DeleteObject " << c->index;
        else if (const auto* c = std::get_if<op::Rectangle>(&call))
            *out << "Rectangle " << c->left << ", " << c->top << ", " << c->right << ", "
                 << c->bottom;
        else if (const auto* c = std::get_if<op::SetTextAlign>(&call))
            *out << "SetTextAlign " << c->align;
        else if (const auto* c = std::get_if<op::SetTextColor>(&call))
            *out << "SetTextColor ", color(c->color);
        else if (const auto* c = std::get_if<op::SetBkMode>(&call))
            *out << "SetBkMode " << c->mode;
        else if (const auto* c = std::get_if<op::SetBkColor>(&call))
            *out << "SetBkColor ", color(c->color);
        else if (const auto* c = std::get_if<op::TextOut>(&call))
            *out << "TextOut " << c->x << ", " << c->y << " \"" << c->text.substr(0, 40) << "\" ("
                 << c->text.size() << " bytes)";
    }
}

} // namespace vornik::render
