// The form of barvilo as a screen reader sees it: every input and result entry is found in
// the window's accessible tree by the text of its label, and each case picture says which
// buckling case it shows.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "barvilo.h"
#include "gui_helpers.h"
#include "accessibility.h"

namespace {

using namespace barvilo;

using BarviloAccess = gui_test::AccessibleWindow<barvilo::settings>;
using gui_test::accessibles_by_name;
using gui_test::widget_of;

TEST_F(BarviloAccess, EveryEntryIsFoundByItsLabel) {
    gui_test::expect_entries_named_by_their_labels({
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
    });
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
