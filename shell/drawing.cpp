// Hands a computed drawing to GDK: 1-pixel lines at whole pixels, texts in a Pango font.
#include "calculator_shell.h"

namespace shell {

void clear_area(GtkWidget* area) {
    if (area->window != nullptr) {
        gdk_window_clear(area->window);
    }
}

void draw_plot(GtkWidget* area, const plot::Drawing& drawing, const char* font) {
    GdkWindow* window = area->window;
    if (window == nullptr) {
        return;
    }
    GdkGC* line_gc = area->style->black_gc;
    GdkGC* text_gc = nullptr;
    PangoFontDescription* font_description = nullptr;
    PangoContext* context = nullptr;
    for (const plot::Item& item : drawing.items) {
        if (const plot::Line* line = std::get_if<plot::Line>(&item)) {
            gdk_draw_line(window, line_gc, line->x1, line->y1, line->x2, line->y2);
            continue;
        }
        const plot::Text& text = std::get<plot::Text>(item);
        if (text_gc == nullptr) {
            text_gc = gdk_gc_new(window);
            font_description = pango_font_description_from_string(font);
            context = gdk_pango_context_get();
        }
        PangoLayout* layout = pango_layout_new(context);
        pango_layout_set_font_description(layout, font_description);
        pango_layout_set_text(layout, text.text.c_str(), -1);
        gdk_draw_layout(window, text_gc, text.x, text.y, layout);
        g_object_unref(layout);
    }
    if (text_gc != nullptr) {
        g_object_unref(context);
        pango_font_description_free(font_description);
        g_object_unref(text_gc);
    }
}

} // namespace shell
