// Drawing through a QPainter with the surface's colour, pen and font in force at each call.
#include "painter_graphics.h"

#include "qt_convert.h"
#include "whole_pixels.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QStaticText>
#include <QTransform>

#include <algorithm>
#include <unordered_map>

namespace fw {

namespace {

constexpr int kDefaultFontPixels = 12;

// Laying a text out is most of the cost of drawing it, and every paint of the diagram draws the same
// few dozen labels: keep their layouts, by text and font, for the run (one UI thread draws).
const QStaticText& laidOut(const QString& text, const QFont& font)
{
    constexpr std::size_t kMostKept = 1024;
    static std::unordered_map<QString, QStaticText> layouts;
    static QString fontKey;
    if (font.key() != fontKey || layouts.size() >= kMostKept) {
        layouts.clear();
        fontKey = font.key();
    }
    auto [at, added] = layouts.try_emplace(text, text);
    if (added) {
        at->second.setTextFormat(Qt::PlainText);
        at->second.setPerformanceHint(QStaticText::AggressiveCaching);
        at->second.prepare(QTransform(), font);
    }
    return at->second;
}

} // namespace

PainterGraphics::PainterGraphics(QPainter& painter) : painter_(painter)
{
    prepare();
}

PainterGraphics::PainterGraphics(std::unique_ptr<QPainter> painter, std::shared_ptr<void> device)
    : device_(std::move(device)), owned_(std::move(painter)), painter_(*owned_)
{
    prepare();
}

void PainterGraphics::prepare()
{
    // Aliased shapes keep every line on whole pixels, the same on every run; text stays smooth.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

PainterGraphics::~PainterGraphics()
{
    if (owned_ && owned_->isActive())
        owned_->end();
}

void PainterGraphics::applyPen()
{
    const PenState wanted{DrawingColor(), PenSize()};
    if (appliedPen_ == wanted)
        return;
    appliedPen_ = wanted;
    appliedFont_.reset(); // text sets the painter's pen to its colour
    QPen pen(toQColor(DrawingColor()), std::max(PenSize(), 0.0));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterGraphics::applyFont(bool condensed)
{
    FontState wanted{FontName(), FontSize(), condensed, DrawingColor()};
    if (appliedFont_ == wanted)
        return;
    appliedFont_ = std::move(wanted);
    appliedPen_.reset();
    QFont font = QGuiApplication::font();
    if (FontName() != "System" && !FontName().empty())
        font.setFamily(QString::fromStdString(FontName()));
    const int pixels = FontSize() > 0 ? toWholePixels(FontSize(), 1) : kDefaultFontPixels;
    font.setPixelSize(pixels);
    if (condensed)
        font.setStretch(QFont::Condensed);
    painter_.setFont(font);
    painter_.setPen(toQColor(DrawingColor()));
}

void PainterGraphics::DrawLine(double x1, double y1, double x2, double y2)
{
    applyPen();
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterGraphics::DrawOval(double x, double y, double width, double height)
{
    applyPen();
    // The pen's outer edge runs along the box, so the outline stays inside it.
    const double inset = std::max(PenSize(), 0.0) / 2;
    painter_.drawEllipse(QRectF(x + inset, y + inset, width - 2 * inset, height - 2 * inset));
}

void PainterGraphics::DrawString(std::string_view text, double x, double y, double wrapWidth, bool condensed)
{
    applyFont(condensed);
    if (wrapWidth <= 0) {
        // A laid-out text is placed by its top; y is the baseline.
        painter_.drawStaticText(QPointF(x, y - painter_.fontMetrics().ascent()), laidOut(toQString(text), painter_.font()));
        return;
    }
    const double ascent = painter_.fontMetrics().ascent();
    painter_.drawText(QRectF(x, y - ascent, wrapWidth, 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      toQString(text));
}

void PainterGraphics::FillRect(double x, double y, double width, double height)
{
    painter_.fillRect(QRectF(x, y, width, height), toQColor(DrawingColor()));
}

} // namespace fw
