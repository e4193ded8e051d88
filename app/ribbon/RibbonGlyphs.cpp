// RibbonGlyphs.cpp - simple line pictures, one per command family, designed on a 32-unit
// square and scaled to the size asked for. A picture made of thin strokes alone runs them along
// odd units: at 16 pixels a stroke then fills one row of pixels with the whole ink, where along
// an even unit it would spread over two rows at half the ink and read as a faded picture.

#include "app/ribbon/RibbonGlyphs.h"

#include "app/glyph_painting.h"

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>


namespace varnholt::ribbon {
namespace {

const wxColour kInk(kGlyphInk, kGlyphInk, kGlyphInk);
const wxColour kAccent(182, 35, 39);
const wxColour kBlue(41, 98, 168);
const wxColour kPaper(255, 255, 255);

void Frame(wxGraphicsContext& gc, double x, double y, double w, double h) {
    gc.SetBrush(wxBrush(kPaper));
    gc.DrawRectangle(x, y, w, h);
}

void Grid(wxGraphicsContext& gc) {
    Frame(gc, 4, 6, 24, 20);
    for (double y = 11; y < 26; y += 5) gc.StrokeLine(4, y, 28, y);
    gc.StrokeLine(12, 6, 12, 26);
}

void Bars(wxGraphicsContext& gc, const wxColour& colour) {
    gc.SetBrush(wxBrush(colour));
    gc.DrawRectangle(6, 8, 12, 4);
    gc.DrawRectangle(12, 14, 12, 4);
    gc.DrawRectangle(16, 20, 10, 4);
}

void Arrow(wxGraphicsContext& gc, double x0, double y0, double x1, double y1) {
    gc.StrokeLine(x0, y0, x1, y1);
    const double dx = x1 > x0 ? -4 : (x1 < x0 ? 4 : 0);
    const double dy = y1 > y0 ? -4 : (y1 < y0 ? 4 : 0);
    if (dx != 0) {
        gc.StrokeLine(x1, y1, x1 + dx, y1 - 4);
        gc.StrokeLine(x1, y1, x1 + dx, y1 + 4);
    } else {
        gc.StrokeLine(x1, y1, x1 - 4, y1 + dy);
        gc.StrokeLine(x1, y1, x1 + 4, y1 + dy);
    }
}

void Plus(wxGraphicsContext& gc, bool vertical_stroke) {
    Frame(gc, 9, 9, 16, 16);
    gc.StrokeLine(12, 17, 22, 17);
    if (vertical_stroke) gc.StrokeLine(17, 12, 17, 22);
}

void Draw(wxGraphicsContext& gc, Glyph glyph) {
    switch (glyph) {
        case Glyph::details:
            Frame(gc, 4, 4, 24, 24);
            gc.SetBrush(wxBrush(kBlue));
            gc.DrawRectangle(4, 18, 24, 10);
            break;
        case Glyph::gantt: Bars(gc, kBlue); break;
        case Glyph::table: Grid(gc); break;
        case Glyph::predecessors:
            Grid(gc);
            gc.SetPen(wxPen(kAccent, 2));
            Arrow(gc, 2, 16, 10, 16);
            break;
        case Glyph::successors:
            Grid(gc);
            gc.SetPen(wxPen(kAccent, 2));
            Arrow(gc, 22, 16, 30, 16);
            break;
        case Glyph::expand: Plus(gc, true); break;
        case Glyph::collapse: Plus(gc, false); break;
        case Glyph::go_to:
            Bars(gc, kBlue);
            gc.SetPen(wxPen(kAccent, 2));
            Arrow(gc, 4, 28, 16, 28);
            break;
        case Glyph::relationships:
            Bars(gc, kBlue);
            gc.SetPen(wxPen(kAccent, 2));
            gc.StrokeLine(18, 10, 20, 10);
            gc.StrokeLine(20, 10, 20, 14);
            break;
        case Glyph::calendar:
            Frame(gc, 4, 6, 24, 22);
            gc.SetBrush(wxBrush(kAccent));
            gc.DrawRectangle(4, 6, 24, 6);
            for (double x = 9; x < 28; x += 6) gc.StrokeLine(x, 14, x, 26);
            break;
        case Glyph::shifts:
            gc.SetBrush(wxBrush(kPaper));
            gc.DrawEllipse(4, 4, 24, 24);
            gc.StrokeLine(16, 16, 16, 8);
            gc.StrokeLine(16, 16, 22, 16);
            break;
        case Glyph::filter: {
            wxGraphicsPath funnel = gc.CreatePath();
            funnel.MoveToPoint(4, 6);
            funnel.AddLineToPoint(28, 6);
            funnel.AddLineToPoint(18, 17);
            funnel.AddLineToPoint(18, 27);
            funnel.AddLineToPoint(14, 24);
            funnel.AddLineToPoint(14, 17);
            funnel.CloseSubpath();
            gc.SetBrush(wxBrush(kBlue));
            gc.DrawPath(funnel);
            break;
        }
        case Glyph::find:
            gc.SetBrush(wxBrush(kPaper));
            gc.DrawEllipse(5, 5, 16, 16);
            gc.SetPen(wxPen(kInk, 4));
            gc.StrokeLine(19, 19, 27, 27);
            break;
        case Glyph::zoom_in:
        case Glyph::zoom_out:
            gc.SetPen(wxPen(kInk, 4));
            gc.StrokeLine(6, 16, 26, 16);
            if (glyph == Glyph::zoom_in) gc.StrokeLine(16, 6, 16, 26);
            break;
        case Glyph::layout:
            Frame(gc, 5, 5, 22, 22);
            gc.StrokeLine(13, 5, 13, 27);
            gc.StrokeLine(5, 11, 27, 11);
            break;
        case Glyph::timescale:
            gc.StrokeLine(5, 13, 29, 13);
            for (double x = 5; x <= 29; x += 6) gc.StrokeLine(x, 13, x, x == 17 ? 23 : 18);
            break;
    }
}

}  // namespace

wxBitmap GlyphBitmap(Glyph glyph, int size) {
    return PaintGlyph(size, 32, [glyph](wxGraphicsContext& gc) {
        gc.SetPen(wxPen(kInk, 2));
        Draw(gc, glyph);
    });
}

wxBitmap FadedGlyphBitmap(Glyph glyph, int size) {
    wxImage image = GlyphBitmap(glyph, size).ConvertToImage();
    // Each colour becomes its grey, faded toward white as every faded picture is toward its
    // ground: the band of every style is near white. The alpha channel keeps the outline.
    unsigned char* rgb = image.GetData();
    for (std::size_t pixel = 0; pixel < static_cast<std::size_t>(size) * size; ++pixel, rgb += 3) {
        const auto grey = static_cast<unsigned char>(0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]);
        rgb[0] = rgb[1] = rgb[2] = FadedInk(wxColour(grey, grey, grey), *wxWHITE).Red();
    }
    return wxBitmap(image);
}

}  // namespace varnholt::ribbon
