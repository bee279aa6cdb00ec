// Searching the accessible tree of the main window.
#include "accessibility.h"

#include <gdk/gdkkeysyms.h>

namespace gui_test {

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

void expect_entries_named_by_their_labels(const std::vector<NamedEntry>& fields) {
    ASSERT_TRUE(GTK_IS_ACCESSIBLE(gtk_widget_get_accessible(shell::main_window)))
        << "GTK's accessibility module (libgail-common) is not installed";
    const std::multimap<std::string, AtkObject*> found = accessibles_by_name(ATK_ROLE_TEXT);
    EXPECT_EQ(found.count(""), 0u) << "an entry without a name";
    EXPECT_EQ(found.size(), fields.size()) << "an entry of the form that no label names";
    for (const NamedEntry& field : fields) {
        ASSERT_EQ(found.count(field.name), 1u) << field.name;
        AtkObject* accessible = found.find(field.name)->second;
        EXPECT_EQ(widget_of(accessible), field.entry) << field.name;

        AtkRelationSet* relations = atk_object_ref_relation_set(accessible);
        AtkRelation* labelled_by =
            atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABELLED_BY);
        ASSERT_NE(labelled_by, nullptr) << field.name;
        GPtrArray* targets = atk_relation_get_target(labelled_by);
        ASSERT_EQ(targets->len, 1u) << field.name;
        GtkWidget* label = widget_of(ATK_OBJECT(g_ptr_array_index(targets, 0)));
        ASSERT_TRUE(label != nullptr && GTK_IS_LABEL(label)) << field.name;
        EXPECT_EQ(label_text(label), field.name);
        EXPECT_FALSE(gtk_label_get_use_underline(GTK_LABEL(label))) << field.name;
        EXPECT_EQ(gtk_label_get_mnemonic_keyval(GTK_LABEL(label)),
                  static_cast<guint>(GDK_VoidSymbol))
            << field.name;
        g_object_unref(relations);
    }
}

} // namespace gui_test
