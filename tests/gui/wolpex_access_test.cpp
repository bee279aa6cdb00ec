// The form of wolpex as a screen reader sees it: every input and result entry is found in
// the window's accessible tree by the text of its label, without anything visible changing.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "gui_helpers.h"
#include "number_text.h"
#include "accessibility.h"
#include "wolpex.h"

namespace {

using namespace wolpex;

using WolpexAccess = gui_test::AccessibleWindow<wolpex::settings>;
using gui_test::NamedEntry;

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
    gui_test::expect_entries_named_by_their_labels(labelled_entries());
}

// A field found by its name is the one the program reads: typing a mass count into it
// through the accessible interface is what "Rechnen" then computes with.
TEST_F(WolpexAccess, FieldFoundByNameDrivesTheCalculation) {
    const std::multimap<std::string, AtkObject*> found =
        gui_test::accessibles_by_name(ATK_ROLE_TEXT);
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
