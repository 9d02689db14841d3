#include "gui/tool_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <functional>
#include <map>

namespace vornik::gui {
namespace {

// Draws on a 16 x 16 grid; the engine scales it to the size asked for.
using Drawing = std::function<void(QPainter&)>;

void bars(QPainter& painter, const QRectF& area) {
    const double widths[] = {1, 2, 1, 1, 3, 1, 2};
    double x = area.left();
    for (int i = 0; i < 7; ++i) {
        if (i % 2 == 0)
            painter.fillRect(QRectF(x, area.top(), widths[i], area.height()),
                             painter.pen().color());
        x += widths[i] + (i % 2 == 0 ? 0 : 1);
    }
}

void letter(QPainter& painter, const QString& text, bool bold) {
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void arrow(QPainter& painter, bool right) {
    QPainterPath path;
    const double tip = right ? 13 : 3;
    const double base = right ? 5 : 11;
    path.moveTo(tip, 8);
    path.lineTo(base, 3);
    path.lineTo(base, 13);
    path.closeSubpath();
    painter.fillPath(path, painter.pen().color());
}

const std::map<QString, Drawing>& drawings() {
    static const std::map<QString, Drawing> table = {
        {"CopyButton",
         [](QPainter& p) {
             bars(p, {2, 2, 12, 12});
         }},
        {"TextButton",
         [](QPainter& p) {
             bars(p, {2, 1, 12, 9});
             p.fillRect(QRectF(3, 12, 3, 3), p.pen().color());
             p.fillRect(QRectF(7, 12, 3, 3), p.pen().color());
             p.fillRect(QRectF(11, 12, 3, 3), p.pen().color());
         }},
        {"BoldButton", [](QPainter& p) { letter(p, QStringLiteral("B"), true); }},
        {"QZButton",
         [](QPainter& p) {
             bars(p, {4, 3, 8, 10});
             p.drawLine(QPointF(1.5, 2), QPointF(1.5, 14));
             p.drawLine(QPointF(14.5, 2), QPointF(14.5, 14));
         }},
        {"BBarButton",
         [](QPainter& p) {
             bars(p, {2, 4, 12, 8});
             p.fillRect(QRectF(1, 1, 14, 2), p.pen().color());
             p.fillRect(QRectF(1, 13, 14, 2), p.pen().color());
         }},
        {"HorizontalButton",
         [](QPainter& p) {
             bars(p, {2, 3, 12, 10});
         }},
        {"Vert90Button",
         [](QPainter& p) {
             p.translate(16, 0);
             p.rotate(90);
             bars(p, {2, 3, 12, 10});
         }},
        {"Vert270Button",
         [](QPainter& p) {
             p.translate(0, 16);
             p.rotate(-90);
             bars(p, {2, 3, 12, 10});
         }},
        {"EditorButton",
         [](QPainter& p) {
             for (int y = 3; y <= 12; y += 3)
                 p.drawLine(QPointF(2, y + 0.5), QPointF(y == 12 ? 9 : 14, y + 0.5));
         }},
        {"PrevButton", [](QPainter& p) { arrow(p, false); }},
        {"NextButton", [](QPainter& p) { arrow(p, true); }},
    };
    return table;
}

class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Drawing drawing) : drawing_(std::move(drawing)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QColor colour = mode == QIcon::Disabled
                                  ? palette.color(QPalette::Disabled, QPalette::WindowText)
                                  : palette.color(QPalette::Active, QPalette::WindowText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        painter->setPen(QPen(colour, 1));
        drawing_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIcon(drawing_); }

private:
    Drawing drawing_;
};

// The desktop theme's names for the buttons that have a common meaning.
QString themeName(const QString& control) {
    static const std::map<QString, QString> names = {
        {"FileOpenButton", "document-open"},
        {"FileSaveButton", "document-save"},
        {"PasteButton", "edit-paste"},
    };
    const auto found = names.find(control);
    return found == names.end() ? QString() : found->second;
}

// Ours for the theme names, should the theme lack them.
QIcon ownFileIcon(const QString& control) {
    if (control == QLatin1String("FileOpenButton"))
        return QIcon(new DrawnIcon([](QPainter& p) {
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawLine(QPointF(1.5, 4.5), QPointF(4, 2.5));
            p.drawLine(QPointF(4, 2.5), QPointF(7.5, 2.5));
        }));
    if (control == QLatin1String("FileSaveButton"))
        return QIcon(new DrawnIcon([](QPainter& p) {
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.fillRect(QRectF(4, 2, 8, 4), p.pen().color());
        }));
    if (control == QLatin1String("PasteButton"))
        return QIcon(new DrawnIcon([](QPainter& p) {
            p.drawRect(QRectF(2.5, 2.5, 11, 12));
            p.fillRect(QRectF(5, 1, 6, 3), p.pen().color());
        }));
    return {};
}

} // namespace

QIcon toolIcon(const QString& control) {
    const QString theme = themeName(control);
    if (!theme.isEmpty())
        return QIcon::fromTheme(theme, ownFileIcon(control));
    const auto found = drawings().find(control);
    if (found == drawings().end())
        return {};
    return QIcon(new DrawnIcon(found->second));
}

} // namespace vornik::gui
