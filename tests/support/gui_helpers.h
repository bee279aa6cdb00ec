// Small helpers of the in-process GUI tests: driving widgets, reading them, drawn pixels.
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace gui_test {

// Lets GTK handle everything that is pending (redraws, signals, timeouts already due).
void drain_events();

// Runs the main loop for about the given time, so that timeouts and exposes happen.
void run_for(int milliseconds);

// Clicks a button as a person would (the "clicked" signal) and lets the events settle.
void click(GtkWidget* button);

std::string entry_text(GtkWidget* entry);
void set_text(GtkWidget* entry, const std::string& text);
std::string frame_title(GtkWidget* frame);
std::string label_text(GtkWidget* label);

// The children of a container in packing order.
std::vector<GtkWidget*> children(GtkWidget* container);

// Where a widget is attached in its table (left, right, top, bottom attach).
struct Cell {
    guint left, right, top, bottom;
    bool operator==(const Cell&) const = default;
};
Cell table_cell(GtkWidget* widget);

// The widget attached in a table at (column, row) with the given span start, or null.
GtkWidget* table_child_at(GtkWidget* table, guint column, guint row);

// Pack settings of a child in its box.
struct Packing {
    gboolean expand, fill;
    guint padding;
    GtkPackType pack_type;
};
Packing packing(GtkWidget* child);

// The on-screen pixels of a widget's window; the caller owns the pixbuf.
GdkPixbuf* grab_pixels(GtkWidget* widget);

// True when the pixel at (x, y) is black.
bool is_black(GdkPixbuf* pixels, int x, int y);

// The (x, y) of every black pixel in a column or row.
std::vector<int> black_rows_in_column(GdkPixbuf* pixels, int x);
std::vector<int> black_columns_in_row(GdkPixbuf* pixels, int y);

// Every toplevel message dialog still open (none should be after a handler returns).
int open_dialogs();

} // namespace gui_test
