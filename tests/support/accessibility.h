// The form as a screen reader sees it: GTK's accessibility module loaded before the first
// window (as GTK_MODULES=gail loads it at start), the accessible tree searched by name, and
// the check that every entry is named by the label beside it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "program_window.h"

namespace gui_test {

template <const shell::ProgramSettings& Settings>
class AccessibleWindow : public ProgramWindow<Settings> {
  protected:
    static void SetUpTestSuite() {
        g_object_set(gtk_settings_get_default(), "gtk-modules", "gail", nullptr);
    }
};

// Every accessible of a role below the main window, by accessible name ("" when it has none).
std::multimap<std::string, AtkObject*> accessibles_by_name(AtkRole role);

// The widget behind an accessible (null for one that has none).
GtkWidget* widget_of(AtkObject* accessible);

struct NamedEntry {
    std::string name; // the text of the label beside the entry
    GtkWidget* entry;
};

// Every entry of the window is found by exactly its label's text, is labelled by that label,
// and the label shows no mnemonic; no entry is left without a name.
void expect_entries_named_by_their_labels(const std::vector<NamedEntry>& fields);

} // namespace gui_test
