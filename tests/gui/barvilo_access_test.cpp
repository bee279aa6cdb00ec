// The form of barvilo as a screen reader sees it: every input and result entry is found in
// the window's accessible tree by the text of its label, and each case picture says which
// buckling case it shows.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "barvilo.h"
#include "gui_helpers.h"
#include "program_window.h"

namespace {

using namespace barvilo;

// The accessible tree as GTK's accessibility module builds it for an assistive technology.
// The module is loaded before the first window, as GTK_MODULES=gail would load it at start.
class BarviloAccess : public gui_test::ProgramWindow<barvilo::settings> {
  protected:
    static void SetUpTestSuite() {
        g_object_set(gtk_settings_get_default(), "gtk-modules", "gail", nullptr);
    }
};

// Every accessible of a role below the window, by accessible name ("" when it has none).
std::multimap<std::string, AtkObject*> accessibles_by_name(AtkRole role) {
    std::multimap<std::string, AtkObject*> found;
    std::vector<AtkObject*> pending{gtk_widget_get_accessible(shell::main_window)};
    while (!pending.empty()) {
        AtkObject* node = pending.back();
        pending.pop_back();
        if (atk_object_get_role(node) == role) {
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

TEST_F(BarviloAccess, EveryEntryIsFoundByItsLabel) {
    ASSERT_TRUE(GTK_IS_ACCESSIBLE(gtk_widget_get_accessible(shell::main_window)))
        << "GTK's accessibility module (libgail-common) is not installed";
    struct NamedEntry {
        const char* name;
        GtkWidget* entry;
    };
    const NamedEntry fields[] = {
        {"Kraft F / N", input_entry[0]},
        {"Knicklaenge L1 / mm", input_entry[1]},
        {"Flaeche A / mm^2", input_entry[2]},
        {"Flaechentraegheitsmoment I / mm^4", input_entry[3]},
        {"E-Modul E / (N/mm^2)", input_entry[4]},
        {"Streckgrenze Re / (N/mm^2)", input_entry[5]},
        {"Sicherheit / 1", input_entry[6]},
        {"freie Knicklaenge / mm", result_entry[0]},
        {"Traegheitsradius / mm", result_entry[1]},
        {"Schlankheitsgrad / 1", result_entry[2]},
        {"Grenzschlankheitsgrad / 1", result_entry[3]},
        {"Druckspannung / (N/mm^2)", result_entry[4]},
        {"zul. Druckspannung / (N/mm^2)", result_entry[5]},
        {"zul. Maximalkraft / N", result_entry[6]},
    };
    const std::multimap<std::string, AtkObject*> found = accessibles_by_name(ATK_ROLE_TEXT);
    EXPECT_EQ(found.count(""), 0u) << "an entry without a name";
    EXPECT_EQ(found.size(), std::size(fields)) << "an entry of the form that no label names";
    for (const NamedEntry& field : fields) {
        ASSERT_EQ(found.count(field.name), 1u) << field.name;
        AtkObject* accessible = found.find(field.name)->second;
        EXPECT_EQ(widget_of(accessible), field.entry) << field.name;

        // The name is the text of the label beside the entry, its labelled-by target,
        // which shows no underlined mnemonic.
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

// Each picture above a case button is named after that case and describes the supports
// the button names and the free buckling length that follows from them.
TEST_F(BarviloAccess, CasePicturesDescribeTheirCase) {
    struct CasePicture {
        const char* name;
        const char* description;
        GtkWidget* button_below;
    };
    const CasePicture pictures[] = {
        {"Bild Knickfall 1",
         "Stab unten eingespannt, oben frei, Kraft F am freien Ende; freie Knicklaenge "
         "s_k = 2 l",
         case_buttons[0]},
        {"Bild Knickfall 2",
         "Stab an beiden Enden gelenkig gelagert, Kraft F oben; freie Knicklaenge s_k = l",
         case_buttons[1]},
        {"Bild Knickfall 3",
         "Stab unten eingespannt, oben gelenkig gelagert, Kraft F oben; freie Knicklaenge "
         "s_k = 0.7 l",
         case_buttons[2]},
        {"Bild Knickfall 4",
         "Stab an beiden Enden eingespannt, Kraft F oben; freie Knicklaenge s_k = 0.5 l",
         case_buttons[3]},
    };
    const std::multimap<std::string, AtkObject*> found = accessibles_by_name(ATK_ROLE_ICON);
    EXPECT_EQ(found.count(""), 0u) << "a picture without a name";
    for (const CasePicture& picture : pictures) {
        ASSERT_EQ(found.count(picture.name), 1u) << picture.name;
        AtkObject* accessible = found.find(picture.name)->second;
        EXPECT_STREQ(atk_object_get_description(accessible), picture.description);
        GtkWidget* image = widget_of(accessible);
        ASSERT_TRUE(image != nullptr && GTK_IS_IMAGE(image)) << picture.name;
        const gui_test::Cell cell = gui_test::table_cell(image);
        EXPECT_EQ(gui_test::table_cell(picture.button_below),
                  (gui_test::Cell{cell.left, cell.right, cell.top + 1, cell.bottom + 1}))
            << picture.name;
    }
}

} // namespace
