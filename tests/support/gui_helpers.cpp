// Helpers of the in-process GUI tests.
#include "gui_helpers.h"

namespace gui_test {

void drain_events() {
    gdk_flush();
    while (gtk_events_pending()) {
        gtk_main_iteration();
    }
}

void run_for(int milliseconds) {
    const gint64 end = g_get_monotonic_time() + milliseconds * 1000LL;
    while (g_get_monotonic_time() < end) {
        gdk_flush();
        while (gtk_events_pending()) {
            gtk_main_iteration();
        }
        g_usleep(2000);
    }
}

void click(GtkWidget* button) {
    gtk_button_clicked(GTK_BUTTON(button));
    drain_events();
}

std::string entry_text(GtkWidget* entry) { return gtk_entry_get_text(GTK_ENTRY(entry)); }

void set_text(GtkWidget* entry, const std::string& text) {
    gtk_entry_set_text(GTK_ENTRY(entry), text.c_str());
}

std::string frame_title(GtkWidget* frame) {
    const gchar* title = gtk_frame_get_label(GTK_FRAME(frame));
    return title != nullptr ? title : "";
}

std::string label_text(GtkWidget* label) { return gtk_label_get_text(GTK_LABEL(label)); }

std::vector<GtkWidget*> children(GtkWidget* container) {
    std::vector<GtkWidget*> found;
    GList* list = gtk_container_get_children(GTK_CONTAINER(container));
    for (GList* item = list; item != nullptr; item = item->next) {
        found.push_back(GTK_WIDGET(item->data));
    }
    g_list_free(list);
    return found;
}

Cell table_cell(GtkWidget* widget) {
    Cell cell{};
    gtk_container_child_get(GTK_CONTAINER(gtk_widget_get_parent(widget)), widget,
                            "left-attach", &cell.left, "right-attach", &cell.right,
                            "top-attach", &cell.top, "bottom-attach", &cell.bottom, nullptr);
    return cell;
}

GtkWidget* table_child_at(GtkWidget* table, guint column, guint row) {
    for (GtkWidget* child : children(table)) {
        const Cell cell = table_cell(child);
        if (cell.left == column && cell.top == row) {
            return child;
        }
    }
    return nullptr;
}

Packing packing(GtkWidget* child) {
    Packing p{};
    gtk_box_query_child_packing(GTK_BOX(gtk_widget_get_parent(child)), child, &p.expand, &p.fill,
                                &p.padding, &p.pack_type);
    return p;
}

GdkPixbuf* grab_pixels(GtkWidget* widget) {
    gdk_window_raise(gtk_widget_get_toplevel(widget)->window);
    drain_events();
    gdk_flush();
    GtkAllocation a = widget->allocation;
    return gdk_pixbuf_get_from_drawable(nullptr, widget->window, nullptr, 0, 0, 0, 0, a.width,
                                        a.height);
}

bool is_black(GdkPixbuf* pixels, int x, int y) {
    const int channels = gdk_pixbuf_get_n_channels(pixels);
    const int stride = gdk_pixbuf_get_rowstride(pixels);
    const guchar* p = gdk_pixbuf_get_pixels(pixels) + y * stride + x * channels;
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

std::vector<int> black_rows_in_column(GdkPixbuf* pixels, int x) {
    std::vector<int> rows;
    for (int y = 0; y < gdk_pixbuf_get_height(pixels); ++y) {
        if (is_black(pixels, x, y)) {
            rows.push_back(y);
        }
    }
    return rows;
}

std::vector<int> black_columns_in_row(GdkPixbuf* pixels, int y) {
    std::vector<int> columns;
    for (int x = 0; x < gdk_pixbuf_get_width(pixels); ++x) {
        if (is_black(pixels, x, y)) {
            columns.push_back(x);
        }
    }
    return columns;
}

int open_dialogs() {
    int count = 0;
    GList* toplevels = gtk_window_list_toplevels();
    for (GList* item = toplevels; item != nullptr; item = item->next) {
        if (GTK_IS_DIALOG(item->data) && gtk_widget_get_visible(GTK_WIDGET(item->data))) {
            ++count;
        }
    }
    g_list_free(toplevels);
    return count;
}

} // namespace gui_test
