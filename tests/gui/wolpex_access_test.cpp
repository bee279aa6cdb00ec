// The form of wolpex as a screen reader sees it: every input and result entry is found in
// the window's accessible tree by the text of its label, without anything visible changing.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "gui_helpers.h"
#include "number_text.h"
#include "program_window.h"
#include "wolpex.h"

namespace {

using namespace wolpex;

// The accessible tree as GTK's accessibility module builds it for an assistive technology.
// The module is loaded before the first window, as GTK_MODULES=gail would load it at start.
class WolpexAccess : public gui_test::ProgramWindow<wolpex::settings> {
  protected:
    static void SetUpTestSuite() {
        g_object_set(gtk_settings_get_default(), "gtk-modules", "gail", nullptr);
    }
};

// Every accessible entry below the window (role "text"), by accessible name; an entry
// without a name is filed under "".
std::multimap<std::string, AtkObject*> entries_by_name() {
    std::multimap<std::string, AtkObject*> found;
    std::vector<AtkObject*> pending{gtk_widget_get_accessible(shell::main_window)};
    while (!pending.empty()) {
        AtkObject* node = pending.back();
        pending.pop_back();
        if (atk_object_get_role(node) == ATK_ROLE_TEXT) {
            const char* name = atk_object_get_name(node);
            found.emplace(name != nullptr ? name : "", node);
        }
        for (int i = 0; i < atk_object_get_n_accessible_children(node); ++i) {
            AtkObject* child = atk_object_ref_accessible_child(node, i);
            pending.push_back(child);
            g_object_unref(child); // the widget keeps its accessible alive
        }
    }
    return found;
}

GtkWidget* widget_of(AtkObject* accessible) {
    return GTK_IS_ACCESSIBLE(accessible) ? GTK_ACCESSIBLE(accessible)->widget : nullptr;
}

struct NamedEntry {
    std::string name;
    GtkWidget* entry;
};

// The label text a person reads beside each entry.
std::vector<NamedEntry> labelled_entries() {
    std::vector<NamedEntry> fields;
    for (int i = 1; i <= 16; ++i) {
        fields.push_back({number_text::format("J%d / kgm^2", i), inertia_entry[i]});
    }
    for (int i = 1; i <= 15; ++i) {
        fields.push_back({number_text::format("ct%d / (Nm/rad)", i), stiffness_entry[i]});
    }
    fields.push_back({"Anzahl der Drehmassen", stiffness_entry[16]});
    for (int k = 0; k < 16; ++k) {
        fields.push_back({number_text::format("F%d / Hz", k + 1), frequency_entry[k]});
    }
    fields.push_back({"Eigenform welcher Frequenz zeichnen?", mode_entry});
    return fields;
}

TEST_F(WolpexAccess, EveryEntryIsFoundByItsLabel) {
    ASSERT_TRUE(GTK_IS_ACCESSIBLE(gtk_widget_get_accessible(shell::main_window)))
        << "GTK's accessibility module (libgail-common) is not installed";
    const std::multimap<std::string, AtkObject*> found = entries_by_name();
    const std::vector<NamedEntry> fields = labelled_entries();
    EXPECT_EQ(found.count(""), 0u) << "an entry without a name";
    EXPECT_EQ(found.size(), fields.size()) << "an entry of the form that no label names";
    for (const NamedEntry& field : fields) {
        ASSERT_EQ(found.count(field.name), 1u) << field.name;
        AtkObject* accessible = found.find(field.name)->second;
        EXPECT_EQ(widget_of(accessible), field.entry) << field.name;

        // The name comes from the label beside the entry, which is also its labelled-by
        // target, and which shows no underlined mnemonic.
        AtkRelationSet* relations = atk_object_ref_relation_set(accessible);
        AtkRelation* labelled_by =
            atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABELLED_BY);
        ASSERT_NE(labelled_by, nullptr) << field.name;
        GPtrArray* targets = atk_relation_get_target(labelled_by);
        ASSERT_EQ(targets->len, 1u) << field.name;
        GtkWidget* label = widget_of(ATK_OBJECT(g_ptr_array_index(targets, 0)));
        ASSERT_TRUE(label != nullptr && GTK_IS_LABEL(label)) << field.name;
        EXPECT_EQ(gui_test::label_text(label), field.name);
        EXPECT_FALSE(gtk_label_get_use_underline(GTK_LABEL(label))) << field.name;
        EXPECT_EQ(gtk_label_get_mnemonic_keyval(GTK_LABEL(label)),
                  static_cast<guint>(GDK_VoidSymbol))
            << field.name;
        g_object_unref(relations);
    }
}

// A field found by its name is the one the program reads: typing a mass count into it
// through the accessible interface is what "Rechnen" then computes with.
TEST_F(WolpexAccess, FieldFoundByNameDrivesTheCalculation) {
    const std::multimap<std::string, AtkObject*> found = entries_by_name();
    const auto count = found.find("Anzahl der Drehmassen");
    ASSERT_NE(count, found.end());
    ASSERT_TRUE(ATK_IS_EDITABLE_TEXT(count->second));
    atk_editable_text_set_text_contents(ATK_EDITABLE_TEXT(count->second), "3");
    gui_test::click(shell::calculate_button);
    EXPECT_EQ(mass_count, 3);

    // Three masses have three frequencies: F3 shows a number, F4 the mark of an unused
    // field, both read through the accessible text.
    const auto text_of = [&found](const std::string& name) {
        const auto field = found.find(name);
        if (field == found.end() || !ATK_IS_TEXT(field->second)) {
            return std::string("(not found)");
        }
        gchar* text = atk_text_get_text(ATK_TEXT(field->second), 0, -1);
        const std::string copy = text != nullptr ? text : "";
        g_free(text);
        return copy;
    };
    const std::string third = text_of("F3 / Hz");
    EXPECT_NE(third.find_first_of("0123456789"), std::string::npos) << third;
    EXPECT_EQ(text_of("F4 / Hz"), "--");
}

} // namespace
