// The form of quendra as a screen reader sees it: every input, result and range entry is
// found in the window's accessible tree by the text of its label.
#include <gtest/gtest.h>

#include "accessibility.h"
#include "quendra.h"

namespace {

using namespace quendra;
using QuendraAccess = gui_test::AccessibleWindow<quendra::settings>;

TEST_F(QuendraAccess, EveryEntryIsFoundByItsLabel) {
    gui_test::expect_entries_named_by_their_labels({
        {"Aussendurchmesser De / mm", input_entry[0]},
        {"E-Modul E / (N/mm^2)", input_entry[1]},
        {"Innendurchmesser Di / mm", input_entry[2]},
        {"Querkontraktionszahl nue", input_entry[3]},
        {"Dicke t / mm", input_entry[4]},
        {"Stuelphoehe h0 / mm", input_entry[5]},
        {"Federweg s / mm", input_entry[6]},
        {"Federkraft F / N", result_entry[0]},
        {"Spannung 1 / (N/mm^2)", result_entry[1]},
        {"Arbeit W / mJ", result_entry[2]},
        {"Spannung 2 / (N/mm^2)", result_entry[3]},
        {"Spannung OM / (N/mm^2)", result_entry[4]},
        {"Spannung 3 / (N/mm^2)", result_entry[5]},
        {"Federweg von s1 / mm", range_entry[0]},
        {"Federweg bis s2 / mm", range_entry[1]},
    });
}

} // namespace
